#include "shell/PrivateProfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>
#include <limits>

namespace PrivateProfile {

namespace {

QByteArray trimmedBlanks(QByteArray text) {
    return text.trimmed();
}

bool sameName(const QByteArray& a, const QByteArray& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// One line of the file, without its line break.
struct Line {
    QByteArray text;
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
    if (file.isEmpty())
        return lines;
    for (QByteArray part : file.split('\n')) {
        if (part.endsWith('\r'))
            part.chop(1);
        lines.append({part});
    }
    if (file.endsWith('\n'))
        lines.removeLast(); // split leaves an empty piece after the final line break
    return lines;
}

// Index of the section's header line and one past its last line, or nullopt.
std::optional<std::pair<qsizetype, qsizetype>> findSection(const QList<Line>& lines,
                                                           const QByteArray& section) {
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

std::optional<qsizetype> findKey(const QList<Line>& lines, qsizetype from, qsizetype to,
                                 const QByteArray& key) {
    for (qsizetype i = from; i < to; ++i) {
        const auto name = lines[i].keyName();
        if (name && sameName(*name, key))
            return i;
    }
    return std::nullopt;
}

QByteArray withoutQuotes(const QByteArray& value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

std::optional<QByteArray> findValue(const QByteArray& file, const QByteArray& section,
                                    const QByteArray& key) {
    const QList<Line> lines = splitLines(file);
    const auto range = findSection(lines, section);
    if (!range)
        return std::nullopt;
    const auto at = findKey(lines, range->first + 1, range->second, key);
    if (!at)
        return std::nullopt;
    return withoutQuotes(lines[*at].value());
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

    const QByteArray eol = file.contains("\r\n") ? QByteArray("\r\n") : QByteArray("\n");
    QList<Line> lines = splitLines(file);
    const auto range = findSection(lines, section);
    if (!range) {
        if (!lines.isEmpty() && !trimmedBlanks(lines.last().text).isEmpty())
            lines.append({QByteArray()});
        lines.append({'[' + section + ']'});
        lines.append({key + '=' + value});
    } else if (const auto at = findKey(lines, range->first + 1, range->second, key)) {
        lines[*at].text = *lines[*at].keyName() + '=' + value; // keeps the key's own spelling
    } else {
        qsizetype insertAt = range->second;
        while (insertAt > range->first + 1 && trimmedBlanks(lines[insertAt - 1].text).isEmpty())
            --insertAt;
        lines.insert(insertAt, {key + '=' + value});
    }
    QByteArray out;
    for (const Line& line : lines)
        out += line.text + eol;
    return out;
}

long long getInt(const QString& section, const QString& key, long long defaultValue,
                 const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return defaultValue;
    const auto value = findValue(f.readAll(), section.toLocal8Bit(), key.toLocal8Bit());
    return value ? leadingInteger(*value) : defaultValue;
}

bool writeString(const QString& section, const QString& key, const QString& value,
                 const QString& path) {
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
