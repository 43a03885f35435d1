#pragma once
// What the benchmarks share: a count of paint events, the sign that the screen changed, and a
// timer that closes the modal windows of the start-up (the about box) as they show.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

struct PaintCounter : QObject {
    int painted = 0;
    bool eventFilter(QObject*, QEvent* e) override { return painted += e->type() == QEvent::Paint, false; }
};

inline void closeModalsEvery50ms(QTimer& closer) {
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start(50);
}
