// Mirvel: a picture-sliding puzzle.

#include "shell/Resources.h"
#include "shell/frmMirvel.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    initResources();
    QApplication::setApplicationName(QStringLiteral("Mirvel"));
    QApplication::setOrganizationName(QStringLiteral("Mirvel"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/mirvel.png")));
    PrefetchSavedPicture(); // decoded on another core while the window is built

    frmMirvel form;
    form.Form_Load();
    form.show();
    return QApplication::exec();
}
