#include "shell/PrivateProfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>
#include <limits>

namespace PrivateProfile {

namespace {

QByteArray trimmedBlanks(const QByteArray& text) {
    return text.trimmed();
}

bool sameName(const QByteArray& a, const QByteArray& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// One line of the file and the line break that ended it (LF, CR LF or a lone CR; none for a
// last line without one).
struct Line {
    QByteArray text;
    QByteArray eol;
    std::optional<QByteArray> sectionName() const {
        const QByteArray t = trimmedBlanks(text);
        if (!t.startsWith('['))
            return std::nullopt;
        const qsizetype close = t.indexOf(']');
        return trimmedBlanks(t.mid(1, close < 0 ? -1 : close - 1));
    }
    std::optional<QByteArray> keyName() const {
        const QByteArray t = trimmedBlanks(text);
        if (t.startsWith(';') || t.startsWith('['))
            return std::nullopt;
        const qsizetype eq = t.indexOf('=');
        if (eq < 0)
            return std::nullopt;
        return trimmedBlanks(t.left(eq));
    }
    QByteArray value() const {
        const qsizetype eq = text.indexOf('=');
        return trimmedBlanks(text.mid(eq + 1));
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

// Index of the section's header line and one past its last line, or nullopt.
std::optional<std::pair<qsizetype, qsizetype>> findSection(const QList<Line>& lines, const QByteArray& section) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const auto name = lines[i].sectionName();
        if (!name || !sameName(*name, section))
            continue;
        qsizetype end = i + 1;
        while (end < lines.size() && !lines[end].sectionName())
            ++end;
        return std::make_pair(i, end);
    }
    return std::nullopt;
}

std::optional<qsizetype> findKey(const QList<Line>& lines, qsizetype from, qsizetype to, const QByteArray& key) {
    for (qsizetype i = from; i < to; ++i) {
        const auto name = lines[i].keyName();
        if (name && sameName(*name, key))
            return i;
    }
    return std::nullopt;
}

QByteArray withoutQuotes(const QByteArray& value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

std::optional<QByteArray> findValue(const QByteArray& file, const QByteArray& section, const QByteArray& key) {
    const QList<Line> lines = splitLines(file);
    const auto range = findSection(lines, section);
    if (!range)
        return std::nullopt;
    const auto at = findKey(lines, range->first + 1, range->second, key);
    if (!at)
        return std::nullopt;
    // Blanks inside the quotes are skipped as for any value.
    return trimmedBlanks(withoutQuotes(lines[*at].value()));
}

long long readInt(const QByteArray& file, const QByteArray& section, const QByteArray& key, long long defaultValue) {
    const auto value = findValue(file, section, key);
    return value && !value->isEmpty() ? leadingInteger(*value) : defaultValue;
}

long long leadingInteger(const QByteArray& value) {
    qsizetype i = 0;
    bool negative = false;
    if (i < value.size() && (value[i] == '-' || value[i] == '+'))
        negative = value[i++] == '-';
    long long n = 0;
    constexpr long long limit = std::numeric_limits<long long>::max() / 10 - 10;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i)
        n = n > limit ? n : n * 10 + (value[i] - '0'); // saturates far outside any valid option
    return negative ? -n : n;
}

QByteArray withValue(const QByteArray& file, const QByteArray& section, const QByteArray& key,
                     const QByteArray& rawValue) {
    QByteArray value = rawValue;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '\n' || value[i] == '\r') {
            value.truncate(i);
            break;
        }
    }

    QList<Line> lines = splitLines(file);
    const QByteArray eol = lineBreakOf(lines);
    const auto range = findSection(lines, section);
    if (!range) {
        // The blank line before the new section ends as the line before it (after a lone CR, an
        // LF of its own would read back as one CR LF with it).
        if (!lines.isEmpty() && !trimmedBlanks(lines.last().text).isEmpty())
            lines.append({QByteArray(), lines.last().eol.isEmpty() ? eol : lines.last().eol});
        lines.append({'[' + section + ']', eol});
        lines.append({key + '=' + value, eol});
    } else if (const auto at = findKey(lines, range->first + 1, range->second, key)) {
        lines[*at].text = *lines[*at].keyName() + '=' + value; // keeps the key's own spelling
    } else {
        qsizetype insertAt = range->second;
        while (insertAt > range->first + 1 && trimmedBlanks(lines[insertAt - 1].text).isEmpty())
            --insertAt;
        // Before an empty line that ends in LF, a lone CR would join it into one CR LF: the new
        // line then ends as the one before it, which stood before that empty line in the file.
        const bool wouldJoin =
            eol == "\r" && insertAt < lines.size() && lines[insertAt].text.isEmpty() && lines[insertAt].eol == "\n";
        lines.insert(insertAt, {key + '=' + value, wouldJoin ? lines[insertAt - 1].eol : eol});
    }
    QByteArray out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // A last line without a line break gets one only when something now follows it.
        const bool needsBreak = lines[i].eol.isEmpty() && i + 1 < lines.size();
        out += lines[i].text + (needsBreak ? eol : lines[i].eol);
    }
    return out;
}

long long getInt(const QString& section, const QString& key, long long defaultValue, const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return defaultValue;
    return readInt(f.readAll(), section.toLocal8Bit(), key.toLocal8Bit(), defaultValue);
}

bool writeString(const QString& section, const QString& key, const QString& value, const QString& path) {
    QByteArray old;
    QFile in(path);
    if (in.exists()) {
        if (!in.open(QIODevice::ReadOnly))
            return false; // never replace a file we could not read
        old = in.readAll();
        in.close();
    }
    QSaveFile out(path);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(withValue(old, section.toLocal8Bit(), key.toLocal8Bit(), value.toLocal8Bit()));
    return out.commit();
}

} // namespace PrivateProfile
