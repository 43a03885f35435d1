// Takes screenshots of every view of the game under a real X server (Xvfb): boards of 3, 5
// and 8, the three pictures, a game in progress, the name prompt, the champions list, the
// about box and the Options menu in each language, the help window, the error dialog
// after a failing shuffle and its printed protocol.
//
//   mirvel_showcase DIR OUT     DIR: the program folder to use; OUT: where the PNGs go

#include "about/frmInfo.h"
#include "errors/ErrPtnr.h"
#include "errors/Procedure.h"
#include "errors/ProtocolFiles.h"
#include "errors/RuntimeError.h"
#include "shell/ProgramInfo.h"
#include "shell/Random.h"
#include "shell/Resources.h"
#include "shell/frmMirvel.h"
#include "support/ModalDriver.h"
#include "support/Scenario.h"

#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cstdio>

namespace {

// Waits until the window system has drawn, then saves the whole screen.
void shoot(const QString& file) {
    QTest::qWait(400);
    QGuiApplication::primaryScreen()->grabWindow(0).save(file);
    std::printf("shot %s\n", qPrintable(file));
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
            g_printToPdf = out + QStringLiteral("/protocol.pdf"); // the printed page
            static_cast<ErrPtnr*>(w)->cmdProtocol[0]->click();
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
    for (auto it = walk.rbegin() + 200; it != walk.rend(); ++it) // the rest of the walk, backwards
        form.imgPuzz_MouseDown(*it, Qt::LeftButton, Qt::NoModifier, 0, 0);
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
    for (language = 0; language < 4; language += 3) { // the help window, German and Italian
        form.mnuLang_Click(language);
        form.mnuOnlinehilfe_Click();
        shoot(QStringLiteral("%1/help-%2.png").arg(out).arg(language));
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("HelpWindow"))
                w->close();
    }
    form.mnuLang_Click(0);
    // A real start of a game whose shuffle fails in its second step.
    g_beforeStep = [](const char*, const char* name, int line) {
        if (qstrcmp(name, "Shuffle") == 0 && line == 2)
            g_beforeStep = nullptr, raiseError(ErrNo::SubscriptOutOfRange);
    };
    form.mnuStart_Click();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    initResources();
    return screens(QApplication::arguments().mid(1));
}
