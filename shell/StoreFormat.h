#pragma once
// The per-user store's file in the format QSettings gives it on Linux, so that a store written
// by either reads the same in both: "[Section]" lines and "key=value" lines (shell/IniText.h),
// values escaped as QSettings escapes them (\" \\ \n \xHH ..., quoted when they hold ; , = or
// start or end with a blank, a leading "@" doubled), UTF-8.

#include <QByteArray>
#include <QString>
#include <optional>

namespace storeFormat {

// The text of key in section, or nullopt when the file has none.
std::optional<QString> value(const QByteArray& file, const QString& section, const QString& key);
// The file with key set to value; every other line is kept as it was.
QByteArray withValue(const QByteArray& file, const QString& section, const QString& key, const QString& value);
// Whether QSettings would read the file only in part (its "format error"): a section line
// without its closing bracket. Writing over it would lose what follows.
bool damaged(const QByteArray& file);

} // namespace storeFormat
