// A small program that the tests start as a separate process, for what ends a process (the
// end command, closing the window, the error dialog's "End") and for what must be seen from
// a fresh process (the user's locale, two programs writing champions at once).
//
//   mirvel_probe close|menu|button DIR    load the window in DIR, then end it that way
//   mirvel_probe code3 DIR                load, then an error in the size menu answered End
//   mirvel_probe locale DIR               load and print the language chosen at first start
//   mirvel_probe record DIR N COUNT       win COUNT ever faster N x N games, name "pN"
// Each about box shown prints "about".

#include "about/frmInfo.h"
#include "errors/ErrPtnr.h"
#include "errors/Procedure.h"
#include "errors/RuntimeError.h"
#include "lang/StringTable.h"
#include "shell/Globals.h"
#include "shell/ProgramInfo.h"
#include "shell/Resources.h"
#include "shell/frmMirvel.h"
#include "support/ModalDriver.h"

#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

namespace {

void say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

ModalDriver::Answer answering(int errorCode, const QString& name = {}) {
    return [errorCode, name](QWidget* w) {
        if (w->objectName() == QLatin1String("frmInfo")) {
            say(QStringLiteral("about"));
            answer::okAboutBox(w);
        } else if (w->objectName() == QLatin1String("ErrPtnr")) {
            say(QStringLiteral("error"));
            answer::continueWith(w, errorCode);
        } else if (auto* input = qobject_cast<QInputDialog*>(w)) {
            input->setTextValue(name);
            input->accept();
        }
    };
}

int session(const QString& what, const QStringList& args) {
    ProgramInfo::setFolder(args.value(0));
    const int count = args.value(2).toInt();
    ModalDriver driver(answering(3, QStringLiteral("p%1").arg(args.value(1))));
    frmMirvel form;
    form.Form_Load();
    form.show();
    QTimer::singleShot(50, &form, [&] {
        if (what == QLatin1String("close"))
            form.close();
        else if (what == QLatin1String("menu"))
            form.mnuEnde->trigger();
        else if (what == QLatin1String("button"))
            form.PicBut[1]->click();
        else if (what == QLatin1String("code3"))
            form.mnuSize_Click(9);
        else if (what == QLatin1String("locale")) {
            say(QStringLiteral("offset %1 menu %2").arg(LangOffset).arg(form.mnuSpiel->title()));
            QApplication::exit(0);
            return;
        } else if (what == QLatin1String("record")) {
            form.GridSize = static_cast<rt::Integer>(args.value(1).toInt());
            for (int seconds = count; seconds > 0; --seconds) {
                form.GameSeconds = seconds;
                form.WriteHighScore();
            }
            QApplication::exit(0);
            return;
        }
        say(QStringLiteral("still running"));
        QApplication::exit(1);
    });
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    initResources();
    const QStringList args = QApplication::arguments().mid(1);
    return session(args.value(0), args.mid(1));
}
