#include "sound/WaveOut.h"

#include "sound/AudioApi.h"
#include "sound/Module.h"
#include "sound/WaveFile.h"

namespace {

const AudioApi* g_audio = nullptr; // once the first sound has loaded it

// Loaded with the first sound; null when the module cannot be used.
const AudioApi* audio() {
    return g_audio = loadModule<AudioApi>();
}

} // namespace

namespace WaveOut {

void stop() {
    if (g_audio) // nothing plays before the first sound
        g_audio->stop();
}

bool play(const QByteArray& waveFile) {
    stop();
    const std::optional<Wave> wave = parseWave(waveFile);
    const AudioApi* out = wave ? audio() : nullptr;
    return out && out->play(wave->sampleRate, wave->channels, wave->bitsPerSample, wave->samples.constData(),
                            wave->samples.size());
}

} // namespace WaveOut
