#include "sound/WaveOut.h"

#include "sound/AudioApi.h"
#include "sound/Module.h"
#include "sound/WaveFile.h"

#include <QElapsedTimer>
#include <QTimer>
#include <optional>
#include <utility>

namespace {

const AudioApi* g_audio = nullptr; // once the module is ready: nothing plays before

// The sound asked for last, not yet handed to the output, and since when.
struct Asked {
    QByteArray waveFile;
    QElapsedTimer since;
};
std::optional<Asked> g_asked;

// Later than this, a sound no longer goes with the press that asked for it.
constexpr qint64 LatestMs = 50;

// The output is started from the event loop, after the press's own work has been drawn: opening
// a stream to the sound server takes milliseconds that the screen need not wait for.
void handOver() {
    if (const std::optional<Asked> asked = std::exchange(g_asked, std::nullopt);
        asked && g_audio && asked->since.elapsed() <= LatestMs) {
        if (const std::optional<Wave> wave = parseWave(asked->waveFile))
            g_audio->play(wave->sampleRate, wave->channels, wave->bitsPerSample, wave->samples.constData(),
                          wave->samples.size());
    }
}

// The timer runs after the posted events, the repaint among them, have been handled, and a few
// milliseconds later: the new stream wakes the sound server, and on two cores it would share
// the X server's while that draws the repaint (a Start, 24 tiles: 0.9 ms later on screen with
// no pause). The click comes as much later, far below what one hears as late.
constexpr int AfterRepaintMs = 5;

QTimer& handOverTimer() {
    static QTimer* timer = [] {
        auto* t = new QTimer(qApp);
        t->setSingleShot(true);
        t->setInterval(AfterRepaintMs);
        QObject::connect(t, &QTimer::timeout, handOver);
        return t;
    }();
    return *timer;
}

} // namespace

namespace WaveOut {

void stop() {
    g_asked.reset();
    if (g_audio)
        g_audio->stop();
}

void preload() {
    preloadModule<AudioApi>([] {
        g_audio = loadModule<AudioApi>(); // loaded already: no wait
        if (g_audio)
            g_audio->connect();
        if (g_asked)
            handOverTimer().start();
    });
}

void play(const QByteArray& waveFile) {
    stop();
    g_asked = Asked{waveFile, {}};
    g_asked->since.start();
    if (moduleReady<AudioApi>())
        handOverTimer().start();
    else
        preload();
}

} // namespace WaveOut
