#pragma once
// Reads a RIFF/WAVE file held in memory: its PCM format and the samples of its data chunk.
// Anything else (another format, a damaged header, a chunk that claims more bytes than the
// file holds) is refused rather than guessed at.

#include <QByteArray>
#include <optional>

struct Wave {
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0; // 8 (unsigned) or 16 (signed)
    QByteArray samples;
};

std::optional<Wave> parseWave(const QByteArray& file);
