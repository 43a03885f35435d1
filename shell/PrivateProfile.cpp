#include "shell/PrivateProfile.h"

#include "shell/IniText.h"
#include "shell/WholeFile.h"

#include <limits>

namespace PrivateProfile {

namespace {

// Far beyond any options file: a larger one is not what it claims to be.
constexpr qint64 MaxFileSize = 1 << 20;

QByteArray withoutQuotes(const QByteArray& value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

std::optional<QByteArray> findValue(const QByteArray& file, const QByteArray& section, const QByteArray& key) {
    const auto value = iniText::rawValue(file, section, key, iniText::Dialect::Profile);
    if (!value)
        return std::nullopt;
    // Blanks inside the quotes are skipped as for any value.
    return withoutQuotes(value->trimmed()).trimmed();
}

QByteArray quotedText(const QByteArray& text) {
    const auto blankOrQuote = [](char c) { return QByteArrayView(" \t\v\f\"'").contains(c); };
    if (!text.isEmpty() && (blankOrQuote(text.front()) || blankOrQuote(text.back())))
        return '"' + text + '"';
    return text;
}

std::optional<QByteArray> findText(const QByteArray& file, const QByteArray& section, const QByteArray& key) {
    const auto value = iniText::rawValue(file, section, key, iniText::Dialect::Profile);
    if (!value)
        return std::nullopt;
    const QByteArray text = value->trimmed();
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.mid(1, text.size() - 2);
    return text;
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
    return iniText::withValue(file, section, key, value, iniText::Dialect::Profile);
}

long long getInt(const QString& section, const QString& key, long long defaultValue, const QString& path) {
    const wholeFile::Contents file = wholeFile::read(path, MaxFileSize);
    return readInt(file.bytes, section.toLocal8Bit(), key.toLocal8Bit(), defaultValue);
}

std::optional<QByteArray> getText(const QString& section, const QString& key, const QString& path) {
    const wholeFile::Contents file = wholeFile::read(path, MaxFileSize);
    return findText(file.bytes, section.toLocal8Bit(), key.toLocal8Bit());
}

bool writeString(const QString& section, const QString& key, const QString& value, const QString& path) {
    const QByteArray s = section.toLocal8Bit(), k = key.toLocal8Bit(), v = value.toLocal8Bit();
    // Every start writes back what it read: a file that already holds the value is left alone,
    // and without taking the lock (a synced write of its own), which spares the start a wait for
    // the disk. Files are only ever replaced whole, so what is read is one copy's whole file.
    const auto holdsValue = [&](const wholeFile::Contents& now) {
        return now.state == wholeFile::State::Read && withValue(now.bytes, s, k, v) == now.bytes;
    };
    if (holdsValue(wholeFile::read(path, MaxFileSize)))
        return true;
    // Read, changed and written under the lock: another copy's change in between is kept.
    const wholeFile::Lock lock(path);
    const wholeFile::Contents old = wholeFile::read(path, MaxFileSize);
    if (old.state == wholeFile::State::Unreadable)
        return false; // never replace a file we could not read
    if (holdsValue(old))
        return true;
    return wholeFile::replace(path, withValue(old.bytes, s, k, v), wholeFile::Links::Follow) == wholeFile::Written::Ok;
}

} // namespace PrivateProfile
