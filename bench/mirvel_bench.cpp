// Prints what the hot procedures cost on an 8 x 8 board and, heard through a private sound
// server, what a playing tune and a click cost, and how memory grows over twenty games. It
// fails nothing: the figures are for reading.

#include "shell/Random.h"
#include "support/SoundServer.h"
#include "support/TestMain.h"
#include "support/Window.h"

#include <cstdio>
#include <sys/resource.h>

namespace {

// Runs `work` `rounds` times, each after an untimed `prepare`, and prints min and median.
void measure(const char* what, const char* target, int rounds, const std::function<void()>& prepare,
             const std::function<void()>& work) {
    std::vector<double> us;
    QElapsedTimer t;
    for (int i = 0; i < rounds; ++i) {
        prepare();
        t.start();
        work();
        us.push_back(t.nsecsElapsed() / 1000.0);
    }
    std::sort(us.begin(), us.end());
    std::printf("%-44s min %9.1f us   median %9.1f us   target %s\n", what, us.front(), us[us.size() / 2], target);
}

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u); // the synthesizer's threads are ours too
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Presses the tile left of the blank (right of it in the first column).
void pressNextToTheBlank(frmMirvel& f) {
    const int n = f.GridSize, k = f.EmptyCell % n ? f.EmptyCell - 1 : f.EmptyCell + 1;
    f.imgPuzz_MouseDown(k, Qt::LeftButton, Qt::NoModifier, 1, 1);
}

void board() {
    LoadedWindow w("Size= 8\nPlayMusic= 0\nPlaySound= 0\n");
    frmMirvel& f = *w.form;
    const auto none = [] {};
    measure(
        "Shuffle, 8 x 8 (4096 moves)", "2000 us", 200, [&] { f.NewGame(); }, [&] { f.Shuffle(); });
    measure("NewGame, 8 x 8", "10000 us", 200, none, [&] { f.NewGame(); });
    Randomize(5);
    f.Shuffle();
    measure("tile press with win test, 8 x 8", "50 us", 2000, none, [&] { pressNextToTheBlank(f); });
    measure(
        "shuffle and solve by 4096 replayed presses", "-", 20, [&] { f.NewGame(); },
        [&] {
            const std::vector<int> walk = replayShuffleWalk(11, 8, 63);
            Randomize(11);
            f.Shuffle();
            pressWalkBackwards(f, walk);
        });
}

void sound(const QElapsedTimer& clock) {
    LoadedWindow w("Size= 4\nPlayMusic= 1\n");
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
    play(f, u"seed3 go"_s);
    QTest::qWait(1000);
    std::vector<qint64> delays;
    for (int i = 0; i < 10; ++i) {
        const qint64 pressed = clock.elapsed();
        pressNextToTheBlank(f);
        QTest::qWait(400);
        const QVector<double> l = rec.levels(pressed - 200, pressed + 300);
        const auto first = std::find_if(l.begin(), l.end(), [](double v) { return v > 0.01; });
        if (first != l.end())
            delays.push_back(10 * (first - l.begin()) - 200); // before 0: the recording's clock is off
    }
    std::sort(delays.begin(), delays.end());
    std::printf("%-44s median %4lld ms (10 ms steps, %zu of 10 heard)   target 50 ms\n", "tile press to its click",
                delays.empty() ? -1LL : static_cast<long long>(delays[delays.size() / 2]), delays.size());
}

long residentKb() {
    const QString status = QString::fromLatin1(readFile(u"/proc/self/status"_s));
    return QRegularExpression(u"VmRSS:\\s*(\\d+)"_s).match(status).captured(1).toLong();
}

// Twenty whole games of all sizes in one program, with effects and endless music.
void session() {
    LoadedWindow w("PlaySound=-1\nPlayMusic=2\n");
    ModalDriver driver(answer::all(2, nullptr, u"Bench"_s));
    long firstKb = 0;
    for (int game = 0; game < 20; ++game) {
        play(*w.form, u"size%1 seed%2 go solve"_s.arg(game ? game % 6 : 5).arg(game + 1));
        QTest::qWait(100); // the effects' streams are released from the event loop
        firstKb = game ? firstKb : residentKb();
    }
    std::printf("%-44s %ld kB after the first (8 x 8), %ld kB after the last   target +10 %%\n",
                "resident memory over twenty games", firstKb, residentKb());
}

} // namespace

int main(int argc, char** argv) {
    SoundServer server;
    const bool heard = server.start();
    QElapsedTimer clock;
    clock.start();
    testenv::prepare();
    QApplication app(argc, argv);
    initResources();
    clearUserStore();
    board();
    if (heard)
        sound(clock), session();
    else
        std::printf("no PulseAudio server would start: sound not measured\n");
    server.removeFolder();
    testenv::end(0);
}
