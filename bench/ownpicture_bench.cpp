// Times the player's own picture: a 24-megapixel JPEG (6000 x 4000) chosen while the board
// shows, from the choice to the board repainted with it; and the longest the main thread was
// busy meanwhile, as the window's answers would be late by it. Runs five times and prints each.
// `FILE` times that picture instead.

#include "render/Decoration.h"
#include "render/ImageControl.h"
#include "shell/Resources.h"
#include "shell/frmMirvel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

struct PaintCounter : QObject {
    int painted = 0;
    bool eventFilter(QObject*, QEvent* e) override { return painted += e->type() == QEvent::Paint, false; }
};

// A photo-like 6000 x 4000 JPEG: the first picture stretched, with a gradient over it so that
// no two blocks are alike.
QString makePhoto(const QString& folder) {
    QImage photo = QImage(QStringLiteral(":/bitmap/101"))
                       .scaled(6000, 4000, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32);
    QPainter p(&photo);
    QLinearGradient shade(0, 0, 6000, 4000);
    shade.setColorAt(0, QColor(255, 0, 0, 60)), shade.setColorAt(1, QColor(0, 0, 255, 60));
    p.fillRect(photo.rect(), shade);
    p.end();
    const QString file = folder + QStringLiteral("/photo.jpg");
    photo.save(file, "JPEG", 92);
    return file;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    initResources();
    QTimer closer; // the about box of the start-up
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start(50);
    QTemporaryDir folder;
    const QString file = argc > 1 ? QString::fromLocal8Bit(argv[1]) : makePhoto(folder.path());

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
