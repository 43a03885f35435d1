#include "help/ChmFile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>
#include <QtEndian>
#include <bit>
#include <cstring>

#include <chm_lib.h>

using namespace Qt::StringLiterals;

namespace {
// No help object comes near this; a damaged directory may claim far more.
constexpr qint64 MaxObject = qint64(32) * 1024 * 1024;
constexpr int MaxEntries = 20000;
constexpr int MaxDepth = 32;

// chmlib (0.40) divides by numbers of two LZX objects and dies of a zero there (SIGFPE): by half
// the window size of "ControlData" in chm_open, even after it refused that object; by the block
// length of "ResetTable" and by the blocks per reset derived from the control data when it reads
// a compressed object (a block length of gigabytes takes that much memory and seconds a read).
// It also takes any space but 0 for the compressed one, and reads these two from it before it
// has set decompression up. So every entry of either name in a directory page chmlib could fetch
// (a "PMGL" block a whole number of blocks from the directory) must be in the compressed space 1,
// which chmlib then leaves alone, or be in space 0 with numbers it can use. Entries are read as
// chmlib does: encoded integers, a name compared up to a NUL.
bool usableLzxObjects(const uchar* file, quint64 size, quint64 pages, quint64 blockLength, quint64 dataOffset) {
    const auto u32 = [file](quint64 at) { return qFromLittleEndian<quint32>(file + at); };
    for (quint64 page = pages % blockLength; page + blockLength <= size; page += blockLength) {
        if (std::memcmp(file + page, "PMGL", 4) != 0 || u32(page + 4) > blockLength - 0x14)
            continue;
        const uchar *at = file + page + 0x14, *const end = file + page + blockLength, *const last = end - u32(page + 4);
        bool ok = true;
        const auto number = [&] { // 7 bits a byte, high bit set on all but the last
            for (quint64 n = 0; at < end;) {
                const uchar b = *at++;
                n = n << 7 | (b & 0x7F);
                if (b < 0x80)
                    return n;
            }
            ok = false;
            return quint64(0);
        };
        while (at < last) {
            const quint64 nameLength = number();
            if (!ok || nameLength > 512 || nameLength > quint64(end - at))
                break;
            const QByteArray name(reinterpret_cast<const char*>(at), qsizetype(nameLength));
            at += nameLength;
            const int space = int(number());
            const quint64 start = number(), length = number();
            if (!ok)
                break;
            const bool control = qstricmp(name.constData(), "::DataSpace/Storage/MSCompressed/ControlData") == 0;
            const bool resetTable = qstricmp(name.constData(), "::DataSpace/Storage/MSCompressed/Transform/"
                                                               "{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/"
                                                               "InstanceData/ResetTable") == 0;
            // chmlib gives up on control data over 0x100 bytes, and on a reset table under 0x28.
            if ((!control && !resetTable) || space == 1 || (control ? length > 0x100 : length < 0x28))
                continue;
            const quint64 offset = dataOffset + start, need = control ? length : 0x28;
            if (space != 0 || need < 0x18 || offset > size || need > size - offset)
                return false;
            // Version, ..., block length at 0x20: the LZX frame of 32 KiB in every help file.
            // chmlib allocates and decodes blocks of that length, and divides by it.
            if (resetTable) {
                if (u32(offset) == 2 && qFromLittleEndian<quint64>(file + offset + 0x20) != 0x8000)
                    return false;
                continue;
            }
            // Size, "LZXC", version, reset interval, window size, windows per reset; version 2
            // counts in 32 KiB. LZX windows are 2^15 to 2^21 bytes: chmlib takes the lowest bit
            // set for the window, and with another it reads through a null decoder.
            const quint32 unit = u32(offset + 8) == 2 ? 0x8000 : 1;
            const quint32 interval = u32(offset + 12) * unit, window = u32(offset + 16) * unit;
            const int windowBits = std::countr_zero(window);
            if (windowBits < 15 || windowBits > 21 || quint32(interval / (window / 2) * u32(offset + 20)) == 0)
                return false;
        }
    }
    return true;
}

// The outer headers, checked before chmlib sees the file: a damaged block length there makes
// it allocate gigabytes for a single directory page.
bool plausibleHeaders(QFile& file) {
    const QByteArray itsf = file.read(0x60);
    const auto u32 = [](const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); };
    const auto u64 = [](const QByteArray& b, int at) { return qFromLittleEndian<quint64>(b.constData() + at); };
    const bool v3 = itsf.size() >= 0x0C && u32(itsf, 0x04) == 3;
    if (itsf.size() < (v3 ? 0x60 : 0x58) || !itsf.startsWith("ITSF"))
        return false;
    const quint64 size = quint64(file.size()), dirOffset = u64(itsf, 0x48), dirLength = u64(itsf, 0x50);
    if (dirOffset > size || dirLength > size - dirOffset || dirLength < 0x54 || !file.seek(qint64(dirOffset)))
        return false;
    const QByteArray itsp = file.read(0x54);
    if (itsp.size() < 0x54 || !itsp.startsWith("ITSP"))
        return false;
    const quint64 headerLength = u32(itsp, 0x08), blockLength = u32(itsp, 0x10), blocks = u32(itsp, 0x2C);
    if (blockLength < 0x100 || blockLength > 0x10000 || headerLength > dirLength ||
        blocks > (dirLength - headerLength) / blockLength)
        return false;
    const uchar* const bytes = file.map(0, file.size());
    return bytes && usableLzxObjects(bytes, size, dirOffset + headerLength, blockLength,
                                     v3 ? u64(itsf, 0x58) : dirOffset + dirLength);
}

QByteArray chmPath(const QString& object) {
    return ('/' + ChmFile::normalized(object)).toUtf8();
}

// The names HTML 4 gives the Latin-1 letters 160..255, in that order.
const char* const Latin1Names[96] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",   "ordf",
    "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",
    "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave",
    "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",
    "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",
    "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute",
    "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave",
    "iacute", "icirc",  "iuml",   "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

const QHash<QString, char32_t>& entities() {
    static const QHash<QString, char32_t> table = [] {
        QHash<QString, char32_t> t{{u"amp"_s, '&'},      {u"lt"_s, '<'},       {u"gt"_s, '>'},
                                   {u"quot"_s, '"'},     {u"apos"_s, '\''},    {u"ndash"_s, 0x2013},
                                   {u"mdash"_s, 0x2014}, {u"lsquo"_s, 0x2018}, {u"rsquo"_s, 0x2019},
                                   {u"sbquo"_s, 0x201A}, {u"ldquo"_s, 0x201C}, {u"rdquo"_s, 0x201D},
                                   {u"bdquo"_s, 0x201E}, {u"bull"_s, 0x2022},  {u"hellip"_s, 0x2026},
                                   {u"euro"_s, 0x20AC},  {u"trade"_s, 0x2122}, {u"OElig"_s, 0x152},
                                   {u"oelig"_s, 0x153},  {u"Scaron"_s, 0x160}, {u"scaron"_s, 0x161}};
        for (int i = 0; i < 96; ++i)
            t.insert(QString::fromLatin1(Latin1Names[i]), char32_t(160 + i));
        return t;
    }();
    return table;
}

QString windows1252(const QByteArray& data) {
    // 0x80..0x9F are where Windows-1252 differs from Latin-1.
    static const char16_t high[32] = {0x20AC, 0x81,   0x201A, 0x192,  0x201E, 0x2026, 0x2020, 0x2021,
                                      0x2C6,  0x2030, 0x160,  0x2039, 0x152,  0x8D,   0x17D,  0x8F,
                                      0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x2DC,  0x2122, 0x161,  0x203A, 0x153,  0x9D,   0x17E,  0x178};
    QString s(data.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < data.size(); ++i) {
        const auto b = uchar(data[i]);
        s[i] = (b >= 0x80 && b < 0xA0) ? QChar(high[b - 0x80]) : QChar(b);
    }
    return s;
}

struct Tag {
    QString name;                       // lower case, "/ul" for a closing tag
    QHash<QString, QString> attributes; // names in lower case
};

// The tags of a sitemap, in order; text between them does not matter there.
QList<Tag> tagsOf(const QString& html) {
    QList<Tag> tags;
    qsizetype at = 0;
    while ((at = html.indexOf(u'<', at)) >= 0) {
        if (html.mid(at, 4) == u"<!--") {
            const qsizetype end = html.indexOf(u"-->", at + 4);
            if (end < 0)
                break;
            at = end + 3;
            continue;
        }
        const qsizetype end = html.indexOf(u'>', at + 1);
        if (end < 0)
            break;
        const QString inside = html.mid(at + 1, end - at - 1);
        at = end + 1;
        Tag tag;
        qsizetype i = 0;
        while (i < inside.size() && !inside[i].isSpace())
            ++i;
        tag.name = inside.left(i).toLower();
        while (i < inside.size()) {
            while (i < inside.size() && inside[i].isSpace())
                ++i;
            const qsizetype nameStart = i;
            while (i < inside.size() && !inside[i].isSpace() && inside[i] != u'=')
                ++i;
            const QString name = inside.mid(nameStart, i - nameStart).toLower();
            QString value;
            if (i < inside.size() && inside[i] == u'=') {
                ++i;
                if (i < inside.size() && (inside[i] == u'"' || inside[i] == u'\'')) {
                    const QChar quote = inside[i++];
                    qsizetype close = inside.indexOf(quote, i);
                    if (close < 0)
                        close = inside.size();
                    value = inside.mid(i, close - i);
                    i = close + 1;
                } else {
                    const qsizetype valueStart = i;
                    while (i < inside.size() && !inside[i].isSpace())
                        ++i;
                    value = inside.mid(valueStart, i - valueStart);
                }
            }
            if (!name.isEmpty())
                tag.attributes.insert(name, ChmFile::decodeEntities(value));
        }
        tags.append(tag);
    }
    return tags;
}

// One <UL> level: its items, each with the levels nested after it.
QList<ContentsEntry> parseLevel(const QList<Tag>& tags, qsizetype& at, int depth, int& count) {
    QList<ContentsEntry> level;
    while (at < tags.size() && count < MaxEntries) {
        const Tag& tag = tags[at++];
        if (tag.name == u"/ul" && depth > 0)
            return level;
        if (tag.name == u"ul") {
            // Beyond a sane depth a damaged file just stays flat.
            if (depth >= MaxDepth)
                continue;
            QList<ContentsEntry> nested = parseLevel(tags, at, depth + 1, count);
            if (level.isEmpty())
                level += nested;
            else
                level.last().children += nested;
        } else if (tag.name == u"object" && tag.attributes.value(u"type"_s).toLower() == u"text/sitemap") {
            ContentsEntry entry;
            for (; at < tags.size() && tags[at].name != u"/object"; ++at) {
                if (tags[at].name != u"param")
                    continue;
                const QString name = tags[at].attributes.value(u"name"_s).toLower();
                const QString value = tags[at].attributes.value(u"value"_s);
                if (name == u"name" && entry.name.isEmpty())
                    entry.name = value.simplified();
                else if (name == u"local" && entry.local.isEmpty())
                    entry.local = value.trimmed();
            }
            if (!entry.name.isEmpty() || !entry.local.isEmpty()) {
                level.append(entry);
                ++count;
            }
        }
    }
    return level;
}
} // namespace

ChmFile::~ChmFile() {
    close();
}

bool ChmFile::open(const QString& path) {
    close();
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return false;
    if (QFile check(path); !check.open(QIODevice::ReadOnly) || !plausibleHeaders(check))
        return false;
    m_file = chm_open(QFile::encodeName(path).constData());
    if (!m_file)
        return false;
    m_path = path;
    readSystem();
    return true;
}

void ChmFile::close() {
    if (m_file)
        chm_close(m_file);
    m_file = nullptr;
    m_path.clear();
    m_defaultTopic.clear();
    m_contentsFile.clear();
}

bool ChmFile::contains(const QString& object) const {
    const QByteArray p = chmPath(object);
    chmUnitInfo ui;
    return m_file && p.size() > 1 && p.size() < CHM_MAX_PATHLEN &&
           chm_resolve_object(m_file, p.constData(), &ui) == CHM_RESOLVE_SUCCESS;
}

QByteArray ChmFile::read(const QString& object) const {
    const QByteArray p = chmPath(object);
    chmUnitInfo ui;
    if (!m_file || p.size() <= 1 || p.size() >= CHM_MAX_PATHLEN ||
        chm_resolve_object(m_file, p.constData(), &ui) != CHM_RESOLVE_SUCCESS || ui.length == 0 ||
        ui.length > LONGUINT64(MaxObject))
        return {};
    QByteArray data(qsizetype(ui.length), Qt::Uninitialized);
    const LONGINT64 got =
        chm_retrieve_object(m_file, &ui, reinterpret_cast<unsigned char*>(data.data()), 0, LONGINT64(ui.length));
    if (got <= 0)
        return {};
    data.truncate(qsizetype(qMin<LONGINT64>(got, data.size())));
    return data;
}

void ChmFile::readSystem() {
    // A version (4 bytes), then records: code (2), length (2), data; strings end in a NUL.
    const QByteArray s = read(u"#SYSTEM"_s);
    for (qsizetype at = 4; at + 4 <= s.size();) {
        const quint16 code = qFromLittleEndian<quint16>(s.constData() + at);
        const quint16 length = qFromLittleEndian<quint16>(s.constData() + at + 2);
        at += 4;
        if (length > s.size() - at)
            break;
        QByteArray data = s.mid(at, length);
        at += length;
        if (const qsizetype nul = data.indexOf('\0'); nul >= 0)
            data.truncate(nul);
        if (code == 0)
            m_contentsFile = normalized(decodeText(data));
        else if (code == 2)
            m_defaultTopic = normalized(decodeText(data));
    }
}

QList<ContentsEntry> ChmFile::contents(const QString& hhcObject) const {
    return parseSitemap(read(hhcObject));
}

QList<ContentsEntry> ChmFile::parseSitemap(const QByteArray& hhc) {
    const QList<Tag> tags = tagsOf(decodeText(hhc));
    qsizetype at = 0;
    int count = 0;
    return parseLevel(tags, at, 0, count);
}

QString ChmFile::decodeText(const QByteArray& data) {
    QStringDecoder html = QStringDecoder::decoderForHtml(data);
    if (html.isValid() && qstrcmp(html.name(), "UTF-8") != 0)
        return html(data);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(data);
    return utf8.hasError() ? windows1252(data) : text;
}

QString ChmFile::decodeEntities(const QString& text) {
    if (!text.contains(u'&'))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // Entities are short: looking further would make a damaged text slow.
        const qsizetype near = text[i] == u'&' ? QStringView(text).mid(i + 1, 12).indexOf(u';') : -1;
        const qsizetype semi = near < 0 ? -1 : i + 1 + near;
        if (semi < 0) {
            out += text[i];
            continue;
        }
        const QString name = text.mid(i + 1, semi - i - 1);
        char32_t c = 0;
        bool ok = false;
        if (name.startsWith(u'#')) {
            const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
            c = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
            ok = ok && c > 0 && c <= 0x10FFFF;
        } else if (const auto it = entities().constFind(name); it != entities().cend()) {
            c = *it;
            ok = true;
        }
        if (!ok) {
            out += text[i];
            continue;
        }
        out += QString::fromUcs4(&c, 1);
        i = semi;
    }
    return out;
}

QString ChmFile::normalized(const QString& object) {
    QString p = object;
    // A contents file may name a page as "ms-its:Other.chm::/page.html".
    if (const qsizetype sep = p.indexOf(u"::"); sep >= 0)
        p = p.mid(sep + 2);
    p.replace(u'\\', u'/');
    QStringList parts;
    for (const QString& part : p.split(u'/', Qt::SkipEmptyParts)) {
        if (part == u"..") {
            if (!parts.isEmpty())
                parts.removeLast();
        } else if (part != u".") {
            parts.append(part);
        }
    }
    return parts.join(u'/');
}
