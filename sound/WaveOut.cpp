#include "sound/WaveOut.h"

#include "sound/AudioApi.h"
#include "sound/Module.h"
#include "sound/WaveFile.h"

#include <QElapsedTimer>
#include <optional>
#include <utility>

namespace {

const AudioApi* g_audio = nullptr; // once the module is ready: nothing plays before

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
    if (g_audio)
        g_audio->stop();
}

void preload() {
    preloadModule<AudioApi>([] {
        g_audio = loadModule<AudioApi>(); // loaded already: no wait
        if (const std::optional<Waiting> waiting = std::exchange(g_waiting, std::nullopt);
            waiting && waiting->asked.elapsed() <= LatestMs)
            play(waiting->waveFile);
    });
}

bool play(const QByteArray& waveFile) {
    stop();
    if (!moduleReady<AudioApi>()) {
        g_waiting = Waiting{waveFile, {}};
        g_waiting->asked.start();
        preload();
        return false;
    }
    const std::optional<Wave> wave = parseWave(waveFile);
    const AudioApi* out = wave ? loadModule<AudioApi>() : nullptr;
    return out && out->play(wave->sampleRate, wave->channels, wave->bitsPerSample, wave->samples.constData(),
                            wave->samples.size());
}

} // namespace WaveOut
