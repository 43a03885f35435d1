// Prints what the hot procedures cost on an 8 x 8 board. It fails nothing: the figures are for
// reading. What the running program costs (launch, memory, wake-ups, input, a tune's CPU, a
// click's delay) is measured from outside by bench/peers.sh.

#include "shell/Random.h"
#include "support/Scenario.h"

#include <cstdio>

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
} // namespace

int main(int argc, char** argv) {
    testenv::prepare();
    QApplication app(argc, argv);
    initResources();
    clearUserStore();
    Scenario s("Size= 8\nPlayMusic= 0\nPlaySound= 0\n");
    frmMirvel& f = s.form();
    measure(
        "Shuffle, 8 x 8 (4096 moves)", "2000 us", 200, [&] { f.NewGame(); }, [&] { f.Shuffle(); });
    measure(
        "NewGame, 8 x 8", "10000 us", 200, [] {}, [&] { f.NewGame(); });
    Randomize(5);
    f.Shuffle();
    measure(
        "tile press with win test, 8 x 8", "50 us", 2000, [] {}, [&] { // the tile beside the blank
            f.imgPuzz_MouseDown(f.EmptyCell % 8 ? f.EmptyCell - 1 : f.EmptyCell + 1, Qt::LeftButton, Qt::NoModifier, 1,
                                1);
        });
    testenv::end(0);
}
