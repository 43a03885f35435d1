// A program the tests start as a separate process, for what ends a process and for what must
// be seen from a fresh one. Each about box shown prints "about", each error report "error".
//   mirvel_probe close|menu|button DIR  load the window in DIR, then end it that way
//   mirvel_probe code3 DIR              load, then an error in the size menu answered End
//   mirvel_probe unloadfault DIR        close, with a failing step in the unload work
//   mirvel_probe locale DIR             load and print the language chosen at the start
//   mirvel_probe record DIR N COUNT     win COUNT ever faster N x N games, name "pN"

#include "errors/Procedure.h"
#include "errors/RuntimeError.h"
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

using namespace Qt::StringLiterals;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    initResources();
    const QStringList args = QApplication::arguments().mid(1);
    const QString what = args.value(0), name = u"p"_s + args.value(2);
    const auto say = [](const char* line) { std::printf("%s\n", line), std::fflush(stdout); };
    ProgramInfo::setFolder(args.value(1));
    ModalDriver driver([&](QWidget* w) {
        if (w->objectName() == QLatin1String("frmInfo"))
            say("about"), answer::okAboutBox(w);
        else if (w->objectName() == QLatin1String("ErrPtnr"))
            say("error"), answer::continueWith(w, 3);
        else if (auto* input = qobject_cast<QInputDialog*>(w))
            input->setTextValue(name), input->accept();
    });
    frmMirvel form;
    form.Form_Load();
    form.show();
    QTimer::singleShot(50, &form, [&] {
        if (what == u"close"_s)
            form.close();
        else if (what == u"unloadfault"_s) {
            g_beforeStep = [](const char*, const char* name, int line) {
                if (qstrcmp(name, "Form_Unload") == 0 && line == 3)
                    raiseError(ErrNo::Overflow);
            };
            form.close();
        } else if (what == u"menu"_s)
            form.mnuEnde->trigger();
        else if (what == u"button"_s)
            form.PicBut[1]->click();
        else if (what == u"code3"_s)
            form.mnuSize_Click(9);
        else if (what == u"locale"_s) {
            say(qPrintable(u"offset %1 menu %2"_s.arg(LangOffset).arg(form.mnuSpiel->title())));
            return QApplication::exit(0);
        } else if (what == u"record"_s) {
            form.GridSize = static_cast<rt::Integer>(args.value(2).toInt());
            for (int seconds = args.value(3).toInt(); seconds > 0; --seconds)
                form.GameSeconds = seconds, form.WriteHighScore();
            return QApplication::exit(0);
        }
        say("still running");
        QApplication::exit(1);
    });
    return QApplication::exec();
}
