#pragma once
// Our reader and writer of private-profile (ini) files, such as the options file: "[Section]"
// lines followed by "key=value" lines (shell/IniText.h). Sections and keys match without regard
// to case, blanks round values are ignored, the first of duplicate keys wins.

#include <QByteArray>
#include <QString>
#include <optional>

namespace PrivateProfile {

// The value text of key in section, blanks and one pair of enclosing quotes removed.
std::optional<QByteArray> findValue(const QByteArray& file, const QByteArray& section, const QByteArray& key);
// A signed decimal number read up to the first non-digit; no digits read as 0.
long long leadingInteger(const QByteArray& value);
// The key's number: the default when the section or key is missing or its value is empty
// (blanks or a pair of quotes only), else the value's leading number.
long long readInt(const QByteArray& file, const QByteArray& section, const QByteArray& key, long long defaultValue);
// The file with key set to value: replaced in place, or added to its section, or added with a
// new section at the end. Line breaks in the value would break the file: it is cut there.
QByteArray withValue(const QByteArray& file, const QByteArray& section, const QByteArray& key, const QByteArray& value);

// A text kept as it is, blanks or quotes at its ends included: in double quotes where the
// reader would otherwise trim or unquote it. A line break cannot be kept (see withValue).
QByteArray quotedText(const QByteArray& text);
// The text of key as quotedText wrote it: blanks round the value and one pair of double quotes
// removed, nothing inside them.
std::optional<QByteArray> findText(const QByteArray& file, const QByteArray& section, const QByteArray& key);

// The file operations. A missing or unreadable file (a named pipe, a device, a folder) reads as
// empty; reading the number gives the default when the file, section or key is missing.
long long getInt(const QString& section, const QString& key, long long defaultValue, const QString& path);
std::optional<QByteArray> getText(const QString& section, const QString& key, const QString& path);
// Rewrites the file whole or not at all (shell/WholeFile.h), under a lock beside it. Returns
// false when the file could not be read or written; the old file is then left as it was.
bool writeString(const QString& section, const QString& key, const QString& value, const QString& path);

} // namespace PrivateProfile
