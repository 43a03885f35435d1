// Guards the board model on the real widgets: NewGame's first-call rule and its reset, and the
// shuffle: exactly N^4 counted moves of the empty cell, every tile once, one blank cell, and a
// board that the player can solve.

#include "render/ImageControl.h"
#include "shell/Random.h"
#include "support/BoardHelpers.h"
#include "support/LoadedWindow.h"
#include "support/ModalDriver.h"
#include "support/TestMain.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTimer>

class TestBoard : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    void firstNewGameChangesNothing() {
        frmMirvel f; // not loaded: this NewGame is the first of its run
        f.imgPuzz[0]->setTag(QStringLiteral("x"));
        f.EmptyCell = 7;
        f.IsSolved = rt::False;
        f.GameSeconds = 12;
        f.Timer1->start();
        f.PicBut[0]->setEnabled(false);
        f.NewGame();
        QCOMPARE(f.imgPuzz[0]->Tag(), QStringLiteral("x"));
        QCOMPARE(f.EmptyCell, rt::Integer(7));
        QCOMPARE(f.IsSolved, rt::False);
        QCOMPARE(f.GameSeconds, 12);
        QVERIFY(f.Timer1->isActive());
        QVERIFY(!f.PicBut[0]->isEnabled());

        // The second call resets; on a window whose tiles were never created that is an error
        // the dialog reports, not a crash.
        QStringList reports;
        ModalDriver driver(answer::errorsWith(2, &reports));
        f.NewGame();
        QCOMPARE(reports, QStringList{QStringLiteral(
                              "340 (Control array element doesn't exist)|frmMirvel|NewGame|7")});
    }

    void newGameResetsTheBoard() {
        LoadedWindow w;
        frmMirvel& f = *w.form;
        f.mnuStart->trigger(); // a game runs
        f.GameSeconds = 41;
        f.lblTime->setText(QStringLiteral("41"));
        f.GridSize = 3;
        f.NewGame();
        QCOMPARE(boardTags(f), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
        for (int i = 9; i < 64; ++i)
            QVERIFY(!f.imgPuzz[i]->isVisible());
        QCOMPARE(f.EmptyCell, rt::Integer(8));
        QCOMPARE(f.IsSolved, rt::True);
        QCOMPARE(f.GameSeconds, 0);
        QVERIFY(!f.Timer1->isActive());
        QCOMPARE(f.lblTime->text(),
                 QStringLiteral("41")); // shows the last count until the next tick
        QVERIFY(f.PicBut[0]->isEnabled());
        QCOMPARE(f.imgPuzz[8]->Picture().toImage(), f.PicClip1.GraphicCell(8).toImage());
        QCOMPARE(f.imgPuzz[4]->geometry(),
                 QRect(290, 146, 110, 110)); // 177 + 3 + 110, 3 + 110 + 32.9
    }

    void shuffleMakesExactlyNToTheFourMoves_data() {
        QTest::addColumn<int>("n");
        for (int n = 3; n <= 8; ++n)
            QTest::newRow(qPrintable(QStringLiteral("%1 x %1").arg(n))) << n;
    }
    void shuffleMakesExactlyNToTheFourMoves() {
        QFETCH(int, n);
        LoadedWindow w;
        frmMirvel& f = *w.form;
        f.mnuSize[n - 3]->trigger();
        const std::uint64_t seed = 1000 + n;
        const std::vector<int> walk = replayShuffleWalk(seed, n, f.EmptyCell);
        QCOMPARE(walk.size() - 1, std::size_t(n * n * n * n));

        Randomize(seed);
        f.Shuffle();
        QCOMPARE(int(f.EmptyCell), walk.back());
        // The replayed walk, applied to a solved board, must give the same tiles everywhere.
        QStringList expected;
        for (int i = 0; i < n * n; ++i)
            expected.append(QString::number(i + 1));
        for (std::size_t s = 1; s < walk.size(); ++s) {
            expected[walk[s - 1]] = expected[walk[s]];
            expected[walk[s]] = QString();
        }
        QCOMPARE(boardTags(f), expected);

        QSet<QString> tiles;
        for (const QString& tag : boardTags(f))
            if (!tag.isEmpty())
                tiles.insert(tag);
        QCOMPARE(tiles.size(), n * n - 1);
        QCOMPARE(f.imgPuzz[f.EmptyCell]->Picture().toImage(), f.imgLeer->Picture().toImage());
        QCOMPARE(f.IsSolved, rt::False);
        QVERIFY(f.Timer1->isActive());
        for (int i = 0; i < n * n; ++i)
            QVERIFY(f.imgPuzz[i]->isVisible());

        // Pressing the walk backwards restores the picture: the board was solvable.
        pressWalkBackwards(f, walk);
        QCOMPARE(f.IsSolved, rt::True);
        QCOMPARE(int(f.EmptyCell), n * n - 1);
    }

    void shuffleFromAWonBoard() {
        LoadedWindow w;
        frmMirvel& f = *w.form;
        f.mnuSize[1]->trigger();
        Randomize(7);
        f.Shuffle();
        pressWalkBackwards(f, replayShuffleWalk(7, 4, 15));
        QCOMPARE(f.IsSolved, rt::True);
        QCOMPARE(f.imgPuzz[15]->Tag(), QString()); // a won board's last cell holds no number
        const std::vector<int> walk = replayShuffleWalk(8, 4, 15);
        Randomize(8);
        f.Shuffle();
        QSet<QString> tiles;
        for (const QString& tag : boardTags(f))
            tiles.insert(tag);
        QCOMPARE(tiles.size(), 16); // 15 tiles and the empty text
        pressWalkBackwards(f, walk);
        QCOMPARE(f.IsSolved, rt::True);
    }
};

MIRVEL_TEST_MAIN(TestBoard)
#include "tst_board.moc"
