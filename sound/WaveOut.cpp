#include "sound/WaveOut.h"

#include "sound/AudioApi.h"
#include "sound/Module.h"
#include "sound/WaveFile.h"

#include <QElapsedTimer>
#include <optional>

namespace {

const AudioApi* g_audio = nullptr; // once the first sound has loaded it

// Loaded with the first sound; null when the module cannot be used.
const AudioApi* audio() {
    return g_audio = loadModule<AudioApi>();
}

// A sound asked for while the module loads, and since when.
struct Waiting {
    QByteArray waveFile;
    QElapsedTimer asked;
};
std::optional<Waiting> g_waiting;

// Later than this, a sound no longer goes with the press that asked for it.
constexpr qint64 LatestMs = 50;

} // namespace

namespace WaveOut {

void stop() {
    g_waiting.reset();
    if (g_audio) // nothing plays before the first sound
        g_audio->stop();
}

bool loading() {
    return moduleLoading<AudioApi>();
}

void preload() {
    preloadModule<AudioApi>([] {
        g_audio = loadModule<AudioApi>(); // there already: no wait
        if (const std::optional<Waiting> waiting = std::exchange(g_waiting, std::nullopt);
            waiting && waiting->asked.elapsed() <= LatestMs)
            play(waiting->waveFile);
    });
}

bool play(const QByteArray& waveFile) {
    stop();
    if (loading()) {
        g_waiting = Waiting{waveFile, {}};
        g_waiting->asked.start();
        return false;
    }
    const std::optional<Wave> wave = parseWave(waveFile);
    const AudioApi* out = wave ? audio() : nullptr;
    return out && out->play(wave->sampleRate, wave->channels, wave->bitsPerSample, wave->samples.constData(),
                            wave->samples.size());
}

} // namespace WaveOut
