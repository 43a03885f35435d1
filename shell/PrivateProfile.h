#pragma once
// Our reader and writer of private-profile (ini) files: "[Section]" lines followed by
// "key=value" lines. Sections and keys match without regard to case, blanks round keys and
// values are ignored, lines starting with ";" are comments, the first of duplicate keys wins.
// A line ends at LF, CR LF or a lone CR. Writing replaces a value in place and keeps every
// other line of the file, with its own line break, as it was.

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

// The file operations. A missing file reads as empty; reading the number gives the default
// when the file, section or key is missing.
long long getInt(const QString& section, const QString& key, long long defaultValue, const QString& path);
// Rewrites the file through a temporary file and a rename, so that a crash or a full disk
// never leaves half a file. Returns false when the file could not be written; the old file is
// then left as it was.
bool writeString(const QString& section, const QString& key, const QString& value, const QString& path);

} // namespace PrivateProfile
