#include "sound/SoundFontSubset.h"

#include <QIODevice>
#include <QtEndian>
#include <array>
#include <map>

namespace soundfont {

namespace {

constexpr int DrumChannel = 9;
constexpr int DrumBank = 128;

// Reads a Standard MIDI File's bytes, never past their end.
class Reader {
public:
    Reader(const QByteArray& bytes, qsizetype from, qsizetype end) : m_bytes(bytes), m_at(from), m_end(end) {}
    bool atEnd() const { return m_at >= m_end; }
    bool ok() const { return m_ok; }
    int byte() {
        if (m_at >= m_end) {
            m_ok = false;
            return 0;
        }
        return quint8(m_bytes[m_at++]);
    }
    quint32 number() { // a variable-length quantity, at most four bytes
        quint32 value = 0;
        for (int i = 0; i < 4; ++i) {
            const int b = byte();
            value = (value << 7) | (b & 0x7F);
            if (!(b & 0x80))
                return value;
        }
        m_ok = false;
        return 0;
    }
    void skip(quint32 count) {
        if (count > quint32(m_end - m_at))
            m_ok = false;
        m_at = m_ok ? m_at + count : m_end;
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_at, m_end;
    bool m_ok = true;
};

struct Channel {
    bool plays = false;
    std::set<int> banks{0};
    std::set<int> programs{0};
};

bool readTrack(const QByteArray& file, qsizetype from, qsizetype end, std::array<Channel, 16>& channels) {
    Reader r(file, from, end);
    int status = 0;
    while (!r.atEnd() && r.ok()) {
        r.number(); // the delta time
        int first = r.byte();
        if (first & 0x80) {
            status = first;
            if (status == 0xFF) { // meta event
                r.byte();
                r.skip(r.number());
                status = 0;
                continue;
            }
            if (status == 0xF0 || status == 0xF7) { // system exclusive
                r.skip(r.number());
                status = 0;
                continue;
            }
            first = r.byte();
        } else if (!status) {
            return false; // running status with nothing to run on
        }
        const int kind = status & 0xF0, channel = status & 0x0F;
        const bool oneByte = kind == 0xC0 || kind == 0xD0;
        const int second = oneByte ? 0 : r.byte();
        if ((first | second) & 0x80)
            return false; // a status byte where data belongs
        if (kind == 0x90 && second > 0)
            channels[channel].plays = true;
        else if (kind == 0xB0 && first == 0)
            channels[channel].banks.insert(second);
        else if (kind == 0xC0)
            channels[channel].programs.insert(first);
    }
    return r.ok();
}

} // namespace

std::set<Preset> presetsPlayed(const QByteArray& midiFile) {
    if (!midiFile.startsWith("MThd"))
        return {};
    std::array<Channel, 16> channels;
    qsizetype at = 0;
    while (at + 8 <= midiFile.size()) {
        const quint32 length = qFromBigEndian<quint32>(midiFile.constData() + at + 4);
        const qsizetype from = at + 8;
        if (length > quint64(midiFile.size() - from))
            return {};
        if (midiFile.mid(at, 4) == "MTrk" && !readTrack(midiFile, from, from + length, channels))
            return {};
        at = from + length;
    }
    std::set<Preset> presets;
    for (int c = 0; c < 16; ++c) {
        if (!channels[c].plays)
            continue;
        // Program 0 and bank 0, where every channel starts, are always among them: they are
        // also what a synthesizer falls back on, the standard kit for a kit the font lacks and
        // bank 0 for a bank that lacks the program.
        for (int program : channels[c].programs) {
            if (c == DrumChannel)
                presets.insert({DrumBank, program});
            else
                for (int bank : channels[c].banks)
                    presets.insert({bank, program});
        }
    }
    return presets;
}

namespace {

const std::array<QByteArray, 9> PdtaChunks = {"phdr", "pbag", "pmod", "pgen", "inst", "ibag", "imod", "igen", "shdr"};
constexpr int PhdrSize = 38, BagSize = 4, ModSize = 10, GenSize = 4;

quint16 u16(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

void putU16(QByteArray& b, qsizetype at, quint16 value) {
    qToLittleEndian<quint16>(value, b.data() + at);
}

QByteArray chunk(const QByteArray& id, const QByteArray& body) {
    QByteArray c = id;
    c.resize(8);
    qToLittleEndian<quint32>(quint32(body.size()), c.data() + 4);
    return c + body;
}

// The sub-chunks of a pdta list, by name; nothing when one is missing or of a wrong size.
std::optional<std::map<QByteArray, QByteArray>> pdtaChunks(const QByteArray& list) {
    std::map<QByteArray, QByteArray> chunks;
    qsizetype at = 4; // past "pdta"
    while (at + 8 <= list.size()) {
        const quint32 size = qFromLittleEndian<quint32>(list.constData() + at + 4);
        if (size > quint64(list.size() - at - 8))
            return std::nullopt;
        chunks[list.mid(at, 4)] = list.mid(at + 8, size);
        at += 8 + size + (size & 1);
    }
    for (const QByteArray& id : PdtaChunks)
        if (!chunks.count(id))
            return std::nullopt;
    const auto records = [&](const char* id, int size) {
        const qsizetype bytes = chunks[id].size();
        return bytes % size == 0 ? bytes / size : 0;
    };
    if (records("phdr", PhdrSize) < 2 || records("pbag", BagSize) < 1 || records("pmod", ModSize) < 1 ||
        records("pgen", GenSize) < 1)
        return std::nullopt;
    return chunks;
}

// The pdta list with only the kept presets, their zones, generators and modulators; the
// instruments and samples stay as they are, so that their numbers do too.
std::optional<QByteArray> keptPresets(const QByteArray& list, const std::set<Preset>& keep) {
    auto chunks = pdtaChunks(list);
    if (!chunks)
        return std::nullopt;
    const QByteArray &phdr = (*chunks)["phdr"], &pbag = (*chunks)["pbag"], &pmod = (*chunks)["pmod"],
                     &pgen = (*chunks)["pgen"];
    const qsizetype presets = phdr.size() / PhdrSize - 1, bags = pbag.size() / BagSize - 1;
    const qsizetype gens = pgen.size() / GenSize - 1, mods = pmod.size() / ModSize - 1;
    QByteArray newPhdr, newPbag, newPgen, newPmod;
    for (qsizetype p = 0; p < presets; ++p) {
        const qsizetype at = p * PhdrSize;
        const Preset preset{u16(phdr, at + 22), u16(phdr, at + 20)};
        const qsizetype bag = u16(phdr, at + 24), bagEnd = u16(phdr, at + PhdrSize + 24);
        if (bag > bagEnd || bagEnd > bags)
            return std::nullopt;
        if (!keep.count(preset))
            continue;
        QByteArray header = phdr.mid(at, PhdrSize);
        putU16(header, 24, quint16(newPbag.size() / BagSize));
        newPhdr += header;
        for (qsizetype b = bag; b < bagEnd; ++b) {
            const qsizetype gen = u16(pbag, b * BagSize), genEnd = u16(pbag, (b + 1) * BagSize);
            const qsizetype mod = u16(pbag, b * BagSize + 2), modEnd = u16(pbag, (b + 1) * BagSize + 2);
            if (gen > genEnd || genEnd > gens || mod > modEnd || modEnd > mods)
                return std::nullopt;
            QByteArray zone(BagSize, '\0');
            putU16(zone, 0, quint16(newPgen.size() / GenSize));
            putU16(zone, 2, quint16(newPmod.size() / ModSize));
            newPbag += zone;
            newPgen += pgen.mid(gen * GenSize, (genEnd - gen) * GenSize);
            newPmod += pmod.mid(mod * ModSize, (modEnd - mod) * ModSize);
        }
    }
    if (newPhdr.isEmpty())
        return std::nullopt;
    // The closing records, pointing past the last zone, generator and modulator.
    QByteArray end = phdr.right(PhdrSize);
    putU16(end, 24, quint16(newPbag.size() / BagSize));
    newPhdr += end;
    QByteArray endZone(BagSize, '\0');
    putU16(endZone, 0, quint16(newPgen.size() / GenSize));
    putU16(endZone, 2, quint16(newPmod.size() / ModSize));
    newPbag += endZone;
    newPgen += pgen.right(GenSize);
    newPmod += pmod.right(ModSize);
    (*chunks)["phdr"] = newPhdr;
    (*chunks)["pbag"] = newPbag;
    (*chunks)["pgen"] = newPgen;
    (*chunks)["pmod"] = newPmod;
    QByteArray body = "pdta";
    for (const QByteArray& id : PdtaChunks)
        body += chunk(id, (*chunks)[id]);
    return chunk("LIST", body);
}

} // namespace

std::optional<View> presetsOnly(QIODevice& font, const std::set<Preset>& keep) {
    if (keep.empty() || !font.seek(0))
        return std::nullopt;
    const QByteArray riff = font.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8) != "sfbk")
        return std::nullopt;
    const qint64 end = qMin<qint64>(font.size(), 8 + qint64(qFromLittleEndian<quint32>(riff.constData() + 4)));
    for (qint64 at = 12; at + 12 <= end;) {
        if (!font.seek(at))
            return std::nullopt;
        const QByteArray header = font.read(12);
        if (header.size() != 12)
            return std::nullopt;
        const qint64 size = qFromLittleEndian<quint32>(header.constData() + 4);
        if (size > end - at - 8)
            return std::nullopt;
        if (header.startsWith("LIST") && header.mid(8) == "pdta") {
            if (!font.seek(at + 8) || size > qint64(64) * 1024 * 1024) // far past any font's tables
                return std::nullopt;
            const std::optional<QByteArray> tail = keptPresets(font.read(size), keep);
            if (!tail)
                return std::nullopt;
            View view{riff, at, *tail};
            qToLittleEndian<quint32>(quint32(view.size() - 8), view.head.data() + 4);
            return view;
        }
        at += 8 + size + (size & 1);
    }
    return std::nullopt;
}

} // namespace soundfont
