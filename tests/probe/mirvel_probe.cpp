// A small program that the tests start as a separate process, for what ends a process (the
// end command, closing the window, the error dialog's "End") and for what must be seen from
// a fresh process (the user's locale, two programs writing champions at once).
//
//   mirvel_probe end-code                 a trapped procedure fails and the user chooses End
//   mirvel_probe close|menu|button DIR    load the window in DIR, then end it that way
//   mirvel_probe code3 DIR                load, then an error in the size menu answered End
//   mirvel_probe locale DIR               load and print the language chosen at first start
//   mirvel_probe record DIR N COUNT       win COUNT ever faster N x N games, name "pN"
//   mirvel_probe screens DIR OUT          under a real X server: screenshots of every view
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
#include "shell/Random.h"
#include "support/BoardHelpers.h"
#include "support/ModalDriver.h"

#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
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

int endCode() {
    ModalDriver driver(answering(3));
    say(QStringLiteral("before"));
    Procedure p("Probe", "Failing");
    p.run({
        [] { raiseError(ErrNo::Overflow); },
        [] { say(QStringLiteral("after")); },
    });
    say(QStringLiteral("returned"));
    return 1;
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

// Waits until the window system has drawn, then saves the whole screen.
void shoot(const QString& file) {
    QTest::qWait(400);
    QGuiApplication::primaryScreen()->grabWindow(0).save(file);
    say(QStringLiteral("shot ") + file);
}

int screens(const QStringList& args) {
    ProgramInfo::setFolder(args.value(0));
    const QString out = args.value(1);
    int language = 0;
    ModalDriver driver([&](QWidget* w) {
        if (auto* box = qobject_cast<frmInfo*>(w)) {
            shoot(QStringLiteral("%1/about-%2.png").arg(out).arg(language));
            box->ok->click();
        } else if (auto* input = qobject_cast<QInputDialog*>(w)) {
            input->setTextValue(QStringLiteral("Anna"));
            shoot(out + QStringLiteral("/name-prompt.png"));
            input->accept();
        } else if (auto* box = qobject_cast<QMessageBox*>(w)) {
            shoot(out + QStringLiteral("/champions.png"));
            box->accept();
        } else if (w->objectName() == QLatin1String("ErrPtnr")) {
            shoot(out + QStringLiteral("/error-dialog.png"));
            answer::continueWith(w, 2);
        }
    });
    frmMirvel form;
    form.Form_Load();
    form.show();
    QTest::qWait(300);
    for (int n : {3, 5, 8}) {
        form.mnuSize_Click(n - 3);
        shoot(QStringLiteral("%1/board-%2.png").arg(out).arg(n));
    }
    for (int p : {0, 1, 2}) {
        form.mnuBild[p]->trigger();
        shoot(QStringLiteral("%1/picture-%2.png").arg(out).arg(p + 1));
    }
    form.mnuBild[0]->trigger();
    form.mnuSize_Click(1);
    const std::vector<int> walk = replayShuffleWalk(3, 4, 15);
    Randomize(3);
    form.PicBut[0]->click();
    for (int i = 0; i < 37; ++i)
        form.Timer1_Timer();
    for (std::size_t i = walk.size() - 1; i > walk.size() - 200; --i)
        form.imgPuzz_MouseDown(walk[i - 1], Qt::LeftButton, Qt::NoModifier, 0, 0);
    shoot(out + QStringLiteral("/playing.png"));
    pressWalkBackwards(form, std::vector<int>(walk.begin(), walk.end() - 199));
    form.mnuHighScore_Click();
    for (language = 1; language < 4; ++language) {
        form.mnuLang_Click(language);
        form.mnuUeber_Click();
        form.mnuOptionen->popup(form.mapToGlobal(QPoint(60, 20)));
        QTest::qWait(200);
        form.mnuSprache->popup(form.mapToGlobal(QPoint(240, 200)));
        shoot(QStringLiteral("%1/menu-%2.png").arg(out).arg(language));
        form.mnuSprache->hide();
        form.mnuOptionen->hide();
    }
    form.mnuLang_Click(0);
    Procedure p("frmMirvel", "Shuffle");
    p.run({[] { raiseError(ErrNo::SubscriptOutOfRange); }});
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    initResources();
    const QStringList args = QApplication::arguments().mid(1);
    if (args.value(0) == QLatin1String("end-code"))
        return endCode();
    if (args.value(0) == QLatin1String("screens"))
        return screens(args.mid(1));
    return session(args.value(0), args.mid(1));
}
