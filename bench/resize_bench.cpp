// Times a live resize under X: the window grows in 20 steps from the design size to
// 2560 x 1440 and shrinks back, with an 8 x 8 board; each step prints the time from the resize
// to the new picture in the X server (repainted, flushed, and a round trip answered).
// `--shm` hands the repaints over in shared memory instead of over the socket; `--floor`
// resizes a plain window of one colour instead, for what X alone costs.

#include "BenchSupport.h"
#include "render/BoardGeometry.h"
#include "render/Decoration.h"
#include "shell/Resources.h"
#include "shell/frmMirvel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QtGui/qguiapplication_platform.h>
#include <algorithm>
#include <cstdio>
#include <xcb/xcb.h>

int main(int argc, char** argv) {
    const QStringList args(argv + 1, argv + argc);
    args.contains(u"--shm") ? qunsetenv("QT_XCB_NO_MITSHM") : qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    initResources();
    auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return std::puts("resize_bench: needs X (QT_QPA_PLATFORM=xcb, under Xvfb)"), 1;
    QTimer closer; // the about box of the start-up
    closeModalsEvery50ms(closer);
    frmMirvel form;
    QWidget floor;
    QWidget* window = &form;
    QWidget* painted = form.client;
    if (args.contains(u"--floor")) {
        floor.setAutoFillBackground(true);
        window = painted = &floor;
    } else {
        form.Form_Load();
        form.mnuSize_Click(5);
    }
    window->resize(DesignClient);
    window->show();
    PaintCounter counter;
    painted->installEventFilter(&counter);
    while (!counter.painted) // the first display
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);

    std::vector<double> times;
    std::printf("resize_bench (%s%s): step, client size, ms from resize to screen\n",
                args.contains(u"--floor") ? "floor, " : "", args.contains(u"--shm") ? "shared memory" : "socket");
    for (int step = 1; step <= 40; ++step) {
        const double t = (step <= 20 ? step : 40 - step) / 20.0;
        const QSize size(qRound(DesignClient.width() + t * (2560 - DesignClient.width())),
                         qRound(DesignClient.height() + t * (1440 - DesignClient.height())));
        QElapsedTimer clock;
        clock.start();
        counter.painted = 0;
        window == &form ? form.resizeClient(size) : floor.resize(size);
        while (!counter.painted || painted->size() != size)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        xcb_connection_t* c = x11->connection();
        free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
        times.push_back(clock.nsecsElapsed() / 1e6);
        std::printf("%2d %4dx%-4d %6.1f\n", step, size.width(), size.height(), times.back());
    }
    std::sort(times.begin(), times.end());
    std::printf("median %.1f ms, slowest %.1f ms\n", times[times.size() / 2], times.back());
    return 0;
}
