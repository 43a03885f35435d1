// The WAV parser: never reads past the file, and what it accepts is a format we can play.
#include "FuzzCheck.h"
#include "sound/WaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const auto wave = parseWave(file)) {
        FUZZ_CHECK(wave->channels == 1 || wave->channels == 2);
        FUZZ_CHECK(wave->bitsPerSample == 8 || wave->bitsPerSample == 16);
        FUZZ_CHECK(wave->sampleRate >= 1000 && wave->sampleRate <= 192000);
        // RIFF header, "fmt " chunk and "data" chunk header come before the samples.
        FUZZ_CHECK(wave->samples.size() <= file.size() - 44);
    }
    return 0;
}
