#pragma once
// The program's numeric rules: 16-bit checked whole numbers, banker's rounding on assignment,
// truncating division, -1/0 booleans and the number texts the options file uses.

#include <QString>
#include <cstdint>

namespace rt {

using Integer = std::int16_t; // the program's whole number
using Long = std::int32_t;
using Boolean = std::int16_t; // -1 true, 0 false

constexpr Boolean True = -1;
constexpr Boolean False = 0;

inline Boolean toBoolean(bool b) {
    return b ? True : False;
}
// Bitwise complement: the toggle of a -1/0 flag.
inline Boolean Not(Boolean b) {
    return static_cast<Boolean>(~b);
}

// A whole number that must fit in 16 bits; outside -32768..32767 raises error 6 (Overflow).
Integer checked(long long value);
// A real value assigned to a whole number: nearest integer, halves to even, then checked.
Integer CInt(double value);
// The same into 32 bits.
Long CLng(double value);
// Whole-number division, truncating toward zero; division by 0 raises error 11.
Integer idiv(Integer a, Integer b);
// Remainder with the sign of the dividend, as whole-number division leaves it.
Integer mod(Integer a, Integer b);
// Checked 16-bit sum and product.
Integer add(Integer a, Integer b);
Integer mul(Integer a, Integer b);

// Signed text form: a blank before a number >= 0, a minus sign before a negative one (" 5", "-1").
QString Str(long long value);
// The numeric value of a text's leading number (blanks skipped, stops at the first other
// character; "12abc" is 12, "abc" is 0, " -3.5e1x" is -35).
double Val(const QString& text);
// Text to real number for a comparison: the whole text must be a number (blanks around it
// allowed), otherwise error 13 (Type mismatch).
double CDbl(const QString& text);

} // namespace rt
