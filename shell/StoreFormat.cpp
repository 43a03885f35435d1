#include "shell/StoreFormat.h"

#include "shell/IniText.h"

#include <QStringList>
#include <string_view>

namespace storeFormat {

namespace {

bool isHexDigit(char16_t c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
uint hexValue(char d) {
    return d <= '9' ? uint(d - '0') : uint((d | 0x20) - 'a' + 10);
}

// The letters of the escapes QSettings writes, and the characters they stand for; it reads
// "\?" and "\'" as well.
constexpr std::string_view EscapeLetters = "abfnrtv\"\\?'";
constexpr std::string_view EscapedChars = "\a\b\f\n\r\t\v\"\\?'";
constexpr std::size_t WrittenEscapes = 9;

QByteArray encoded(const QString& value) {
    // A text of QSettings' own starts with "@" ("@Variant(...)"); ours is marked by doubling it.
    const QString text = value.startsWith(u'@') ? u'@' + value : value;
    QByteArray out;
    bool quoted = false, hexDigitFollows = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        quoted = quoted || c == ';' || c == ',' || c == '=';
        // A hex digit right after "\x1" would read as part of that number.
        if (std::exchange(hexDigitFollows, false) && isHexDigit(c)) {
            out += "\\x" + QByteArray::number(c, 16);
            hexDigitFollows = true;
            continue;
        }
        const std::size_t escape = c < 0x80 ? EscapedChars.find(char(c)) : std::string_view::npos;
        if (escape < WrittenEscapes) {
            out += '\\';
            out += EscapeLetters[escape];
        } else if (c < 0x20) {
            out += "\\x" + QByteArray::number(c, 16);
            hexDigitFollows = true;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else { // the whole run beyond ASCII at once, so that surrogate pairs stay together
            qsizetype end = i + 1;
            while (end < text.size() && text[end].unicode() >= 0x80)
                ++end;
            out += text.mid(i, end - i).toUtf8();
            i = end - 1;
        }
    }
    if (quoted || out.startsWith(' ') || out.endsWith(' '))
        out = '"' + out + '"';
    return out;
}

// The character of the escape at raw[at] (after its backslash); returns where reading goes on.
qsizetype unescape(const QByteArray& raw, qsizetype at, QString& out) {
    const char c = raw[at++];
    if (const std::size_t escape = EscapeLetters.find(c); escape != std::string_view::npos) {
        out += QLatin1Char(EscapedChars[escape]);
        return at;
    }
    const bool hex = c == 'x', octal = c >= '0' && c <= '7';
    if (!hex && !octal)
        return at; // an unknown escape is dropped
    uint code = octal ? uint(c - '0') : 0;
    const qsizetype digits = at;
    for (; at < raw.size(); ++at) {
        const char d = raw[at];
        if (octal && d >= '0' && d <= '7')
            code = code * 8 + uint(d - '0');
        else if (hex && isHexDigit(char16_t(d)))
            code = code * 16 + hexValue(d);
        else
            break;
    }
    if (octal || at > digits) // an x escape without a digit stands for nothing
        out += QChar(char16_t(code));
    return at;
}

QString decoded(const QByteArray& raw) {
    QStringList items;
    QString item;
    bool quoted = false, inQuotes = false;
    qsizetype kept = 0; // blanks from escapes or quotes are not trimmed
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t'))
            ++i;
    };
    const auto endItem = [&] {
        while (!quoted && item.size() > kept && (item.endsWith(u' ') || item.endsWith(u'\t')))
            item.chop(1);
        items << std::exchange(item, {});
        quoted = false, kept = 0;
    };
    skipBlanks();
    while (i < raw.size()) {
        const char c = raw[i];
        if (c == '\\') {
            if (i + 1 == raw.size())
                break;
            i = unescape(raw, i + 1, item);
            kept = item.size();
        } else if (c == '"') {
            inQuotes = !inQuotes, quoted = true, ++i;
            if (!inQuotes)
                skipBlanks();
        } else if (!inQuotes && c == ',') { // a list, which reads as no text
            endItem(), ++i, skipBlanks();
        } else if (!inQuotes && c == ';') {
            break; // a comment to the end of the line
        } else {
            qsizetype end = i + 1;
            while (end < raw.size() && !QByteArrayView("\\\",;").contains(raw[end]))
                ++end;
            item += QString::fromUtf8(raw.mid(i, end - i));
            i = end;
        }
    }
    endItem();
    const QString text = items.size() == 1 ? items.first() : QString();
    for (const QString& type : {QStringLiteral("@String("), QStringLiteral("@ByteArray(")})
        if (text.startsWith(type) && text.endsWith(u')'))
            return text.mid(type.size(), text.size() - type.size() - 1);
    return text.startsWith(QStringLiteral("@@")) ? text.mid(1) : text;
}

} // namespace

std::optional<QString> value(const QByteArray& file, const QString& section, const QString& key) {
    const auto raw = iniText::rawValue(file, section.toUtf8(), key.toUtf8(), iniText::Dialect::Store);
    return raw ? std::optional(decoded(*raw)) : std::nullopt;
}

QByteArray withValue(const QByteArray& file, const QString& section, const QString& key, const QString& value) {
    return iniText::withValue(file, section.toUtf8(), key.toUtf8(), encoded(value), iniText::Dialect::Store);
}

bool damaged(const QByteArray& file) {
    return iniText::hasUnclosedSection(file);
}

} // namespace storeFormat
