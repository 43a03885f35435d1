#include "shell/Runtime.h"

#include "errors/RuntimeError.h"

#include <cmath>
#include <limits>

namespace rt {

Integer checked(long long value) {
    if (value < std::numeric_limits<Integer>::min() || value > std::numeric_limits<Integer>::max())
        raiseError(ErrNo::Overflow);
    return static_cast<Integer>(value);
}

static double roundHalfEven(double value) {
    if (!std::isfinite(value))
        raiseError(ErrNo::Overflow);
    return std::nearbyint(value); // the default rounding mode is to nearest, ties to even
}

Integer CInt(double value) {
    const double r = roundHalfEven(value);
    if (r < -32768.0 || r > 32767.0)
        raiseError(ErrNo::Overflow);
    return static_cast<Integer>(r);
}

Long CLng(double value) {
    const double r = roundHalfEven(value);
    if (r < -2147483648.0 || r > 2147483647.0)
        raiseError(ErrNo::Overflow);
    return static_cast<Long>(r);
}

Integer idiv(Integer a, Integer b) {
    if (b == 0)
        raiseError(ErrNo::DivisionByZero);
    return checked(static_cast<long long>(a) / b); // C++ division truncates toward zero
}

Integer mod(Integer a, Integer b) {
    if (b == 0)
        raiseError(ErrNo::DivisionByZero);
    return static_cast<Integer>(a % b);
}

Integer add(Integer a, Integer b) {
    return checked(static_cast<long long>(a) + b);
}
Integer mul(Integer a, Integer b) {
    return checked(static_cast<long long>(a) * b);
}

QString Str(long long value) {
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// Reads a decimal number starting at pos; returns how many characters formed it (0: none).
qsizetype scanNumber(const QString& t, qsizetype pos, double* out) {
    QString digits;
    qsizetype i = pos;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        digits += t[i++];
    bool any = false;
    while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
        digits += t[i++];
        any = true;
    }
    if (i < t.size() && t[i] == u'.') {
        digits += t[i++];
        while (i < t.size() && t[i].isDigit() && t[i].unicode() < 128) {
            digits += t[i++];
            any = true;
        }
    }
    if (!any)
        return 0;
    // An exponent counts only when digits follow it.
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E' || t[i] == u'd' || t[i] == u'D')) {
        qsizetype j = i + 1;
        QString exp = QStringLiteral("e");
        if (j < t.size() && (t[j] == u'+' || t[j] == u'-'))
            exp += t[j++];
        const qsizetype expDigitsStart = j;
        while (j < t.size() && t[j].isDigit() && t[j].unicode() < 128)
            exp += t[j++];
        if (j > expDigitsStart) {
            digits += exp;
            i = j;
        }
    }
    *out = digits.toDouble();
    return i - pos;
}

} // namespace

double Val(const QString& text) {
    qsizetype pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    double value = 0.0;
    scanNumber(text, pos, &value);
    return value;
}

double CDbl(const QString& text) {
    const QString t = text.trimmed();
    double value = 0.0;
    const qsizetype used = t.isEmpty() ? 0 : scanNumber(t, 0, &value);
    if (used == 0 || used != t.size())
        raiseError(ErrNo::TypeMismatch);
    return value;
}

} // namespace rt
