#pragma once
// The four languages of the program, one table for every place that needs them, in the order of
// the language menu and the about box's flags: the language's index is its place here, and its
// texts are the string table's base ids plus its offset (1000 times the index).

#include "shell/Runtime.h"

#include <array>

struct Language {
    const char* name;       // in the language itself, as the menu and the flag's tooltip show it
    const char* flag;       // the flag's picture
    rt::Integer offset;     // of its texts in the string table
    const char* helpFolder; // its pages in the help file
    const char* localeId;   // the user's locale that chooses it on a first start; English takes
                            // every other one
};

inline constexpr std::array<Language, 4> Languages = {{
    {"Deutsch", ":/flags/de.png", 0, "de", "0407"}, // German as used in Germany only
    {"English", ":/flags/gb.png", 1000, "en", nullptr},
    {"Svenska", ":/flags/se.png", 2000, "sv", nullptr},
    {"Italiano", ":/flags/it.png", 3000, "it", nullptr},
}};
inline constexpr int EnglishIndex = 1; // for a locale or a help folder of none of them

// The language of an offset, by its first digit; German for one that has none.
const Language& languageOf(rt::Integer offset);
// Its place in the table, the index of its menu entry and flag.
inline int indexOf(const Language& language) {
    return static_cast<int>(&language - Languages.data());
}

// A saved offset as the program takes it: reduced to its first digit, as the main window's
// activation does (1500 is English); a digit without a language falls back to German (a
// hand-edited file must not leave the program without texts).
rt::Integer languageOffsetFromSaved(long saved);

// The language menu index of an offset: the first digit of its text (1000 gives 1).
int languageIndex(rt::Integer offset);

// The first language of a new user, from the user's locale ("0407": German as used in Germany).
rt::Integer firstLanguageOffset(const QString& localeLanguageId);
