// Times the player's own picture, `ownpicture_bench FILE` (tools/bench-all.sh gives it a
// 24-megapixel JPEG): from the choice to the board repainted with it, and the longest the main
// thread was busy meanwhile, as the window's answers would be late by it. Five times.

#include "BenchSupport.h"
#include "render/Decoration.h"
#include "render/ImageControl.h"
#include "shell/Resources.h"
#include "shell/frmMirvel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    initResources();
    QTimer closer; // the about box of the start-up
    closeModalsEvery50ms(closer);
    if (argc != 2)
        return std::puts("usage: ownpicture_bench FILE"), 1;
    const QString file = QString::fromLocal8Bit(argv[1]);

    frmMirvel form;
    form.Form_Load();
    form.show();
    PaintCounter counter;
    form.client->installEventFilter(&counter);
    while (!counter.painted) // the first display
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    closer.stop();
    form.imgPuzz[0]->installEventFilter(&counter); // the board's first tile shows the new picture

    // A timer every 2 ms: the longest gap between its calls, less 2 ms, is the longest stretch
    // the main thread could not answer.
    QElapsedTimer clock;
    qint64 last = 0, longest = 0;
    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last), last = now;
    });
    watch.start(2);
    for (int run = 0; run < 5; ++run) {
        form.mnuBild_Click(run % 2); // from another picture each time
        QCoreApplication::processEvents();
        clock.start(), last = 0, longest = 0;
        counter.painted = 0;
        form.OpenOwnPicture(file);
        while (form.PictureLoading() || !counter.painted)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
        const double shown = clock.nsecsElapsed() / 1e6;
        std::printf("own picture shown after %.0f ms; the main thread busy at most %.1f ms at a time\n", shown,
                    std::max<qint64>(0, longest - 2'000'000) / 1e6);
    }
    return 0;
}
