#pragma once
// The text of an ini file as "[Section]" lines followed by "key=value" lines, and one value
// changed in place: every other line keeps its bytes and its own line break (LF, CR LF or a
// lone CR). Lines starting with ";" are comments; blanks round names are ignored.

#include <QByteArray>
#include <optional>

namespace iniText {

// Which of several keys of one name counts, and how names compare. The options file, a
// private-profile file, matches names without regard to case and takes the first key in the
// first section of a name. The per-user store, in QSettings' format, matches case and takes
// the last key of a name in any of the sections so named, as QSettings does.
enum class Dialect { Profile, Store };

// The text after "=" of the key that counts, as it stands, or nullopt.
std::optional<QByteArray> rawValue(const QByteArray& file, const QByteArray& section, const QByteArray& key,
                                   Dialect dialect);
// The file with the text after "=" of that key set to `valueText`: replaced in place, or added
// to its section, or added with a new section at the end. `valueText` holds no line break.
QByteArray withValue(const QByteArray& file, const QByteArray& section, const QByteArray& key,
                     const QByteArray& valueText, Dialect dialect);
// Whether a section line lacks its closing bracket: QSettings reads such a file only in part.
bool hasUnclosedSection(const QByteArray& file);

} // namespace iniText
