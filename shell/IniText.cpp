#include "shell/IniText.h"

#include <QList>

namespace iniText {

namespace {

bool sameName(const QByteArray& a, const QByteArray& b, Dialect dialect) {
    return a.compare(b, dialect == Dialect::Profile ? Qt::CaseInsensitive : Qt::CaseSensitive) == 0;
}

// One line of the file and the line break that ended it (none for a last line without one).
struct Line {
    QByteArray text;
    QByteArray eol;
    std::optional<QByteArray> sectionName() const {
        const QByteArray t = text.trimmed();
        if (!t.startsWith('['))
            return std::nullopt;
        const qsizetype close = t.indexOf(']');
        return t.mid(1, close < 0 ? -1 : close - 1).trimmed();
    }
    std::optional<QByteArray> keyName() const {
        const QByteArray t = text.trimmed();
        if (t.startsWith(';') || t.startsWith('['))
            return std::nullopt;
        const qsizetype eq = t.indexOf('=');
        if (eq < 0)
            return std::nullopt;
        return t.left(eq).trimmed();
    }
};

QList<Line> splitLines(const QByteArray& file) {
    QList<Line> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < file.size(); ++i) {
        if (file[i] != '\n' && file[i] != '\r')
            continue;
        const qsizetype eolLength = file[i] == '\r' && file.mid(i + 1, 1) == "\n" ? 2 : 1;
        lines.append({file.mid(start, i - start), file.mid(i, eolLength)});
        i += eolLength - 1;
        start = i + 1;
    }
    if (start < file.size())
        lines.append({file.mid(start), {}});
    return lines;
}

// New lines end as the file's first line does; a new file gets LF.
QByteArray lineBreakOf(const QList<Line>& lines) {
    return lines.isEmpty() || lines.first().eol.isEmpty() ? QByteArray("\n") : lines.first().eol;
}

// Index of the header line of the section that counts and one past its last line, or nullopt.
std::optional<std::pair<qsizetype, qsizetype>> findSection(const QList<Line>& lines, const QByteArray& section,
                                                           Dialect dialect) {
    std::optional<std::pair<qsizetype, qsizetype>> found;
    for (qsizetype i = 0; i < lines.size() && !(found && dialect == Dialect::Profile); ++i) {
        const auto name = lines[i].sectionName();
        if (!name || !sameName(*name, section, dialect))
            continue;
        qsizetype end = i + 1;
        while (end < lines.size() && !lines[end].sectionName())
            ++end;
        found = std::make_pair(i, end);
    }
    return found;
}

std::optional<qsizetype> findKey(const QList<Line>& lines, const QByteArray& section, const QByteArray& key,
                                 Dialect dialect) {
    std::optional<qsizetype> found;
    bool inside = false;
    int sections = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = lines[i].sectionName()) {
            inside = sameName(*name, section, dialect);
            sections += inside;
            if (dialect == Dialect::Profile && sections > 1)
                break; // only the first section of the name counts
            continue;
        }
        const auto name = lines[i].keyName();
        if (inside && name && sameName(*name, key, dialect)) {
            found = i;
            if (dialect == Dialect::Profile)
                break;
        }
    }
    return found;
}

} // namespace

std::optional<QByteArray> rawValue(const QByteArray& file, const QByteArray& section, const QByteArray& key,
                                   Dialect dialect) {
    const QList<Line> lines = splitLines(file);
    const auto at = findKey(lines, section, key, dialect);
    if (!at)
        return std::nullopt;
    return lines[*at].text.mid(lines[*at].text.indexOf('=') + 1);
}

QByteArray withValue(const QByteArray& file, const QByteArray& section, const QByteArray& key,
                     const QByteArray& valueText, Dialect dialect) {
    QList<Line> lines = splitLines(file);
    const QByteArray eol = lineBreakOf(lines);
    const auto range = findSection(lines, section, dialect);
    if (!range) {
        // The blank line before the new section ends as the line before it (after a lone CR, an
        // LF of its own would read back as one CR LF with it).
        if (!lines.isEmpty() && !lines.last().text.trimmed().isEmpty())
            lines.append({QByteArray(), lines.last().eol.isEmpty() ? eol : lines.last().eol});
        lines.append({'[' + section + ']', eol});
        lines.append({key + '=' + valueText, eol});
    } else if (const auto at = findKey(lines, section, key, dialect)) {
        lines[*at].text = *lines[*at].keyName() + '=' + valueText; // keeps the key's own spelling
    } else {
        qsizetype insertAt = range->second;
        while (insertAt > range->first + 1 && lines[insertAt - 1].text.trimmed().isEmpty())
            --insertAt;
        // Before an empty line that ends in LF, a lone CR would join it into one CR LF: the new
        // line then ends as the one before it, which stood before that empty line in the file.
        const bool wouldJoin =
            eol == "\r" && insertAt < lines.size() && lines[insertAt].text.isEmpty() && lines[insertAt].eol == "\n";
        lines.insert(insertAt, {key + '=' + valueText, wouldJoin ? lines[insertAt - 1].eol : eol});
    }
    QByteArray out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // A last line without a line break gets one only when something now follows it.
        const bool needsBreak = lines[i].eol.isEmpty() && i + 1 < lines.size();
        out += lines[i].text + (needsBreak ? eol : lines[i].eol);
    }
    return out;
}

bool hasUnclosedSection(const QByteArray& file) {
    for (const Line& line : splitLines(file)) {
        const QByteArray t = line.text.trimmed();
        if (t.startsWith('[') && !t.contains(']'))
            return true;
    }
    return false;
}

} // namespace iniText
