// Guards the game on the real widgets: the start command, presses next to the blank (and only
// there, by any mouse button or the arrow keys), the clock, the win, and every row of the
// game's state table, including the odd ones.

#include "render/ImageControl.h"
#include "shell/Random.h"
#include "support/BoardHelpers.h"
#include "support/LoadedWindow.h"
#include "support/ModalDriver.h"
#include "support/TestMain.h"

#include <QAction>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>

namespace {

void press(frmMirvel& f, int cell, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(f.imgPuzz[cell], button, Qt::NoModifier, QPoint(5, 5));
}

bool showsBlank(const frmMirvel& f, int cell) {
    return f.imgPuzz[cell]->Picture().toImage() == f.imgLeer->Picture().toImage();
}

QString storedTime(int n) {
    return QSettings(QStringLiteral("Mirvel"), QStringLiteral("Mirvel"))
        .value(QStringLiteral("Highscore/%1").arg(n), QStringLiteral("-"))
        .toString();
}

// Answers the name prompt with `name` and counts the prompts.
ModalDriver::Answer nameAs(const QString& name, int* prompts) {
    return [name, prompts](QWidget* w) {
        if (auto* input = qobject_cast<QInputDialog*>(w)) {
            ++*prompts;
            input->setTextValue(name);
            input->accept();
        }
    };
}

} // namespace

class TestPlay : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    void adjacencyOnAFourByFourBoard() {
        LoadedWindow w("[Optionen]\nSize=4\n");
        frmMirvel& f = *w.form;
        for (int cell : {10, 12, 13, 15, 7, 3}) {
            press(f, cell);
            QCOMPARE(f.EmptyCell, rt::Integer(15));
        }
        press(f, 11);
        QCOMPARE(f.EmptyCell, rt::Integer(11));
        QCOMPARE(f.imgPuzz[11]->Tag(), QString());
        QVERIFY(showsBlank(f, 11));
        QCOMPARE(f.imgPuzz[15]->Tag(), QStringLiteral("12"));
        press(f, 15);
        press(f, 14, Qt::RightButton); // any button moves, on the press
        QCOMPARE(f.EmptyCell, rt::Integer(14));

        // Empty at cell 4 (row 1, column 0): cell 3 ends the row above and is no neighbour.
        f.NewGame();
        for (int cell : {14, 13, 12, 8, 4})
            press(f, cell);
        QCOMPARE(f.EmptyCell, rt::Integer(4));
        press(f, 3);
        QCOMPARE(f.EmptyCell, rt::Integer(4));
        press(f, 5, Qt::MiddleButton);
        QCOMPARE(f.EmptyCell, rt::Integer(5));
    }

    void arrowKeysPressTheTileOnThatSide() {
        LoadedWindow w("[Optionen]\nSize=3\n");
        frmMirvel& f = *w.form;
        f.activateWindow();
        QTest::keyClick(&f, Qt::Key_Right); // nothing right of the corner
        QTest::keyClick(&f, Qt::Key_Down);
        QCOMPARE(f.EmptyCell, rt::Integer(8));
        QTest::keyClick(&f, Qt::Key_Left); // the tile left of the blank slides right
        QCOMPARE(f.EmptyCell, rt::Integer(7));
        QCOMPARE(f.imgPuzz[8]->Tag(), QStringLiteral("8"));
        QTest::keyClick(&f, Qt::Key_Up);
        QCOMPARE(f.EmptyCell, rt::Integer(4));
        QVERIFY(!f.PicBut[0]->isEnabled()); // the same win test ran
        QTest::keyClick(&f, Qt::Key_Down);
        QTest::keyClick(&f, Qt::Key_Right);
        QCOMPARE(f.EmptyCell, rt::Integer(8));
        QCOMPARE(f.IsSolved, rt::True);
        QTest::keyClick(&f, Qt::Key_Escape); // one stray key must not end anything
        QVERIFY(f.isVisible());
    }

    void startCommandFromReady() {
        LoadedWindow w;
        frmMirvel& f = *w.form;
        f.mnuStart->trigger();
        QCOMPARE(f.IsSolved, rt::False);
        QVERIFY(f.Timer1->isActive());
        QVERIFY(!f.mnuStart->isEnabled());
        QVERIFY(!f.PicBut[0]->isEnabled());
        QVERIFY(!f.mnuHighScore->isEnabled());
        QVERIFY(showsBlank(f, f.EmptyCell));
    }

    void clockCountsTheTicksAndTheWinHandsThemOn() {
        LoadedWindow w("[Optionen]\nSize=3\n");
        frmMirvel& f = *w.form;
        int prompts = 0;
        ModalDriver driver(nameAs(QStringLiteral("Anna"), &prompts));
        const std::vector<int> walk = replayShuffleWalk(21, 3, 8);
        Randomize(21);
        f.PicBut[0]->click();
        QVERIFY(f.Timer1->isActive());
        QSignalSpy ticks(f.Timer1, &QTimer::timeout);
        f.Timer1->setInterval(1);
        QTRY_VERIFY(ticks.count() >= 57);
        QCOMPARE(f.GameSeconds, ticks.count());
        QCOMPARE(f.lblTime->text(), QString::number(ticks.count()));
        const int played = ticks.count();

        for (auto it = walk.rbegin() + 1; it != walk.rend(); ++it)
            press(f, *it);
        // Won while the clock ran: last piece shown, clock stopped, time recorded.
        QCOMPARE(f.IsSolved, rt::True);
        QVERIFY(!f.Timer1->isActive());
        QCOMPARE(f.imgPuzz[8]->Picture().toImage(), f.PicClip1.GraphicCell(8).toImage());
        QCOMPARE(f.imgPuzz[8]->Tag(), QString());
        QCOMPARE(prompts, 1);
        QCOMPARE(storedTime(3), QString::number(played));
        QVERIFY(f.mnuHighScore->isEnabled() && f.PicBut[0]->isEnabled());
        QCOMPARE(f.GameSeconds, 0);
        QCOMPARE(f.lblTime->text(), QString::number(played)); // the final time stays in view
        QVERIFY(!f.mnuStart->isEnabled());                    // later games start from the button

        // The next game: the button works again, the clock starts from 0.
        f.PicBut[0]->click();
        QVERIFY(f.Timer1->isActive());
        QCOMPARE(f.GameSeconds, 0);
        f.Timer1->stop();
        f.Timer1_Timer();
        QCOMPARE(f.lblTime->text(), QStringLiteral("1"));
    }

    void pressesOnTheSolvedPicture() {
        LoadedWindow w("[Optionen]\nSize=3\n");
        frmMirvel& f = *w.form;
        int prompts = 0;
        ModalDriver driver(nameAs(QStringLiteral("x"), &prompts));
        f.mnuHighScore->setEnabled(false);
        f.PicBut[0]->setEnabled(false);
        // Not next to the last cell: nothing moves, but the win test enables both.
        press(f, 0);
        QCOMPARE(f.EmptyCell, rt::Integer(8));
        QVERIFY(f.mnuHighScore->isEnabled() && f.PicBut[0]->isEnabled());

        // Next to it: the last piece is overwritten, the board is disarranged.
        press(f, 5);
        QCOMPARE(f.EmptyCell, rt::Integer(5));
        QCOMPARE(f.IsSolved, rt::False);
        QVERIFY(!f.Timer1->isActive());
        QVERIFY(!f.PicBut[0]->isEnabled());
        QCOMPARE(f.imgPuzz[8]->Tag(), QStringLiteral("6"));

        // Moving it back passes the test again, showing the blank, recording nothing.
        press(f, 8);
        QCOMPARE(f.IsSolved, rt::True);
        QVERIFY(showsBlank(f, 8));
        QVERIFY(f.PicBut[0]->isEnabled());
        QCOMPARE(prompts, 0);
        QCOMPARE(storedTime(3), QStringLiteral("-"));
    }

    void startFromDisarranged() {
        LoadedWindow w("[Optionen]\nSize=3\n");
        frmMirvel& f = *w.form;
        press(f, 7);
        QCOMPARE(f.IsSolved, rt::False);
        f.mnuStart->trigger(); // resets the board, starts no game
        QCOMPARE(f.IsSolved, rt::True);
        QVERIFY(!f.Timer1->isActive());
        QCOMPARE(boardTags(f), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
        QVERIFY(!f.PicBut[0]->isEnabled());
        QVERIFY(!f.mnuStart->isEnabled());
        QVERIFY(!f.mnuHighScore->isEnabled());
        press(f, 0); // a press that finds the board solved gives the button back
        QVERIFY(f.PicBut[0]->isEnabled());
        QVERIFY(f.mnuHighScore->isEnabled());
    }

    void sizeChangeDuringAGame() {
        LoadedWindow w;
        frmMirvel& f = *w.form;
        f.mnuStart->trigger();
        f.Timer1_Timer();
        f.Timer1_Timer();
        f.mnuSize[0]->trigger();
        QCOMPARE(f.IsSolved, rt::True);
        QVERIFY(!f.Timer1->isActive());
        QCOMPARE(f.GameSeconds, 0);
        QCOMPARE(f.lblTime->text(), QStringLiteral("2"));
        QVERIFY(f.PicBut[0]->isEnabled());
        QVERIFY(!f.mnuHighScore->isEnabled());
        QCOMPARE(boardTags(f).size(), 9);
        press(f, 0);
        QVERIFY(f.mnuHighScore->isEnabled());
    }

    void pictureChangeDuringAGame() {
        LoadedWindow w;
        frmMirvel& f = *w.form;
        f.mnuStart->trigger();
        f.mnuBild[2]->trigger();
        QCOMPARE(f.IsSolved, rt::True);
        QVERIFY(!f.Timer1->isActive());
        QCOMPARE(f.imgPuzz[24]->Picture().toImage(),
                 LoadResPicture(103).toImage().copy(320, 320, 80, 80));
    }
};

MIRVEL_TEST_MAIN(TestPlay)
#include "tst_play.moc"
