// The floor of the peer benchmarks (bench/peers.sh): the least a Qt 6 program does that shows a
// main window with a menu bar, as large as Mirvel's.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Quit"), &app, &QApplication::quit);
    window.resize(684, 489);
    window.show();
    return app.exec();
}
