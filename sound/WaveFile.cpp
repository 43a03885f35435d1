#include "sound/WaveFile.h"

#include <QtEndian>

namespace {
quint32 u32(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 u16(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}
} // namespace

std::optional<Wave> parseWave(const QByteArray& file) {
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return std::nullopt;
    Wave wave;
    bool haveFormat = false;
    // Chunks follow one another, each padded to an even length.
    for (qsizetype at = 12; at + 8 <= file.size();) {
        const QByteArray id = file.mid(at, 4);
        const quint32 size = u32(file, at + 4);
        const qsizetype body = at + 8;
        if (size > quint32(file.size() - body))
            return std::nullopt;
        if (id == "fmt ") {
            if (size < 16 || u16(file, body) != 1) // PCM only
                return std::nullopt;
            wave.channels = u16(file, body + 2);
            wave.sampleRate = static_cast<int>(u32(file, body + 4));
            wave.bitsPerSample = u16(file, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            const bool usable = haveFormat && (wave.channels == 1 || wave.channels == 2) &&
                                (wave.bitsPerSample == 8 || wave.bitsPerSample == 16) && wave.sampleRate >= 1000 &&
                                wave.sampleRate <= 192000;
            if (!usable)
                return std::nullopt;
            wave.samples = file.mid(body, size);
            return wave;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}
