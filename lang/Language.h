#pragma once
// The language offsets: 0 German, 1000 English, 2000 Swedish, 3000 Italian.

#include "shell/Runtime.h"

// A saved offset as the program takes it: reduced to its first digit, as the main window's
// activation does (1500 is English); a digit without a language falls back to German (a
// hand-edited file must not leave the program without texts).
rt::Integer languageOffsetFromSaved(long saved);

// The language menu index of an offset: the first digit of its text (1000 gives 1).
int languageIndex(rt::Integer offset);

// The first language of a new user: German for German as used in Germany (language id
// "0407"), English for every other locale.
rt::Integer firstLanguageOffset(const QString& localeLanguageId);
