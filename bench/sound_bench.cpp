// Prints what sound and music cost, heard through a private sound server: the CPU time the
// program uses per second while a tune plays (target under 5 % of one core), and the time from
// a tile press to the first audible sample of its click (target under 50 ms). Fails nothing.

#include "support/SoundServer.h"
#include "support/TestMain.h"
#include "support/Window.h"

#include <QAction>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {
double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u); // the synthesizer's threads are ours too
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}
} // namespace

int main(int argc, char** argv) {
    SoundServer server;
    if (!server.start()) {
        std::printf("sound benchmark: no PulseAudio server would start, nothing measured\n");
        return 0;
    }
    QElapsedTimer clock;
    clock.start();
    testenv::prepare();
    QApplication app(argc, argv);
    initResources();
    clearUserStore();
    LoadedWindow w("[Optionen]\nSize= 4\nPlayMusic= 1\n");
    frmMirvel& f = *w.form;
    QTest::qWait(1000); // the tune's first second: the SoundFont is loaded by now
    const double cpu0 = cpuSeconds();
    const qint64 t0 = clock.elapsed();
    QTest::qWait(5000);
    std::printf("%-44s %6.1f %% of one core   target 5 %%\n", "CPU while a tune plays",
                100 * (cpuSeconds() - cpu0) / ((clock.elapsed() - t0) / 1000.0));
    f.mnuMusic[0]->trigger(); // music off: only the clicks are heard

    Recorder rec(clock);
    QTest::qWait(2500); // a fresh recording delivers its first blocks late
    play(f, QStringLiteral("seed3 go"));
    QTest::qWait(1000);
    std::vector<qint64> delays;
    for (int i = 0; i < 10; ++i) {
        const int k = f.EmptyCell % 4 ? f.EmptyCell - 1 : f.EmptyCell + 1;
        const qint64 pressed = clock.elapsed();
        play(f, QStringLiteral("p%1").arg(k));
        QTest::qWait(400);
        const QVector<double> l = rec.levels(pressed - 200, pressed + 300);
        const auto first = std::find_if(l.begin(), l.end(), [](double v) { return v > 0.01; });
        if (first != l.end())
            delays.push_back(10 * (first - l.begin()) - 200); // before 0: the clock of the recording is off
    }
    std::sort(delays.begin(), delays.end());
    if (delays.empty())
        std::printf("%-44s not heard\n", "tile press to its click");
    else
        std::printf("%-44s median %4lld ms (10 ms steps, %zu of 10 heard)   target 50 ms\n", "tile press to its click",
                    static_cast<long long>(delays[delays.size() / 2]), delays.size());
    return 0;
}
