// Mirvel: a picture-sliding puzzle.

#include "render/Pictures.h"
#include "shell/AppStyle.h"
#include "shell/Resources.h"
#include "shell/frmMirvel.h"

#include <QApplication>
#include <QStyleFactory>
#include <csignal>

int main(int argc, char** argv) {
    // Past a file-size limit a write is to fail and be handled (the old file stays), not to end
    // the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Under X, Qt hands each repaint over in shared memory and then waits for the server's
    // answer: two more wake-ups a second for the running clock alone. Sent over the socket,
    // this small window's repaints are as fast (measured: input to screen faster still), and
    // a game wakes the program once a second. The user's own choice stands.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    QApplication::setStyle(new AppStyle(QStyleFactory::create(QApplication::style()->name())));
    initResources();
    QApplication::setApplicationName(QStringLiteral("Mirvel"));
    QApplication::setOrganizationName(QStringLiteral("Mirvel"));
    // The sizes a window manager shows, read as the PNGs they are: every window hands each size
    // to the X server, so a larger one would only cost the start its decoding and sending.
    QIcon icon;
    for (int side : {32, 64, 128})
        icon.addPixmap(loadPicture(QStringLiteral(":/icons/mirvel-%1.png").arg(side)));
    QApplication::setWindowIcon(icon);
    const QString picture = commandLinePicture(QApplication::arguments().mid(1));
    PrefetchSavedPicture(picture); // decoded on another core

    frmMirvel form;
    form.setStartPicture(picture);
    form.restorePlacement();
    form.Form_Load();
    form.show();
    return QApplication::exec();
}
