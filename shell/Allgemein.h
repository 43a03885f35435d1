#pragma once
// The general module: the options file and two small helpers.

#include "shell/Runtime.h"

#include <QString>

// An option as a 16-bit number; the default when the file, section or key is missing.
// A stored number outside the 16-bit range raises error 6 (Overflow).
rt::Integer GetIniInt(const QString& section, const QString& key, long defaultValue);
// Stores an option's text exactly as passed; a file that cannot be written is left alone.
void WriteIniString(const QString& section, const QString& key, const QString& value);

// A text option as IniQuoted wrote it (a file name), or an empty text when it is missing.
QString GetIniText(const QString& section, const QString& key);
// The text to store so that GetIniText gives back exactly `text`; an empty result when it cannot
// be stored (it holds a line break).
QString IniQuoted(const QString& text);

// A whole number in lo..hi, after re-seeding the generator from the clock.
rt::Integer RandomBetween(rt::Integer lo, rt::Integer hi);
// The text before its first NUL character, or the whole text.
QString TrimNull(const QString& text);
