// Prints how long the board's hot procedures take on this machine, for an 8 x 8 board.
// Targets: Shuffle under 2 ms, NewGame under 10 ms, a tile press with its win test under
// 50 us. It fails nothing: the figures are for reading.

#include "render/ImageControl.h"
#include "shell/Random.h"
#include "shell/Resources.h"
#include "support/Window.h"
#include "support/TestMain.h"

#include <QAction>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Runs `work` `rounds` times (after `prepare`, which is not timed) and prints min and median.
void measure(const char* what, int rounds, const std::function<void()>& prepare,
             const std::function<void()>& work, double targetMicros) {
    std::vector<double> micros;
    QElapsedTimer t;
    for (int i = 0; i < rounds; ++i) {
        prepare();
        t.start();
        work();
        micros.push_back(t.nsecsElapsed() / 1000.0);
    }
    std::sort(micros.begin(), micros.end());
    std::printf("%-44s min %9.1f us   median %9.1f us", what, micros.front(),
                micros[micros.size() / 2]);
    if (targetMicros > 0)
        std::printf("   target %7.0f us", targetMicros);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    testenv::prepare();
    QApplication app(argc, argv);
    initResources();
    clearUserStore();
    LoadedWindow w("[Optionen]\nSize= 8\n");
    frmMirvel& f = *w.form;
    f.NewGame();

    measure(
        "Shuffle, 8 x 8 (4096 moves)", 200, [&] { f.NewGame(); }, [&] { f.Shuffle(); }, 2000);
    measure(
        "NewGame, 8 x 8", 200, [] {}, [&] { f.NewGame(); }, 10000);

    f.NewGame();
    Randomize(5);
    f.Shuffle();
    // Presses on the tile left of the blank and back again: each a move and a win test.
    measure(
        "tile press with win test, 8 x 8", 2000, [] {},
        [&] {
            const int k = f.EmptyCell % 8 ? f.EmptyCell - 1 : f.EmptyCell + 1;
            f.imgPuzz_MouseDown(k, Qt::LeftButton, Qt::NoModifier, 1, 1);
        },
        50);
    measure(
        "shuffle and solve by 4096 replayed presses", 20, [&] { f.NewGame(); },
        [&] {
            const std::vector<int> walk = replayShuffleWalk(11, 8, 63);
            Randomize(11);
            f.Shuffle();
            pressWalkBackwards(f, walk);
        },
        0);
    return f.IsSolved == rt::True ? 0 : 1;
}
