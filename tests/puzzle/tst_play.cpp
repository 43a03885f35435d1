// Guards the start-up and the game on the real widgets, row by row of what a player does and
// sees (the ways the program ends and the start language among them), the shuffle and the
// fixed layout.

#include "render/Decoration.h"
#include "render/ImageControl.h"
#include "shell/Random.h"
#include "support/Window.h"

#include <QSignalSpy>

class TestPlay : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    void game_data() { addTableRows(u"play"_s); }
    void game() {
        QFETCH(Row, row);
        runScenario(row);
    }

    void theClockCountsTheTimersTicks() {
        LoadedWindow w;
        frmMirvel& f = *w.form;
        QCOMPARE(f.Timer1->interval(), 1000);
        play(f, u"go"_s);
        QSignalSpy ticks(f.Timer1, &QTimer::timeout);
        f.Timer1->setInterval(1);
        QTRY_VERIFY(ticks.count() >= 5);
        QCOMPARE(observe(f, u"secs;time"_s), u"secs=%1;time=%1"_s.arg(ticks.count()));
    }

    void firstNewGameChangesNothing() {
        frmMirvel f; // not loaded: this NewGame is the first of its run
        f.imgPuzz[0]->setTag(u"x"_s);
        f.EmptyCell = 7;
        f.GameSeconds = 12;
        f.Timer1->start();
        f.PicBut[0]->setEnabled(false);
        f.NewGame();
        const QString same = u"empty=7;solved=0;secs=12;clock=on;go=off"_s;
        QCOMPARE(observe(f, same), same);
        QCOMPARE(f.imgPuzz[0]->Tag(), u"x"_s);
        // The second call resets; with tiles never created that is a report, not a crash.
        QStringList seen;
        ModalDriver driver(answer::all(2, &seen));
        f.NewGame();
        QCOMPARE(seen, QStringList{u"340 (Control array element doesn't exist)|frmMirvel|NewGame|7"_s});
    }

    void shuffleMakesExactlyNToTheFourMoves_data() {
        QTest::addColumn<int>("n");
        for (int n = 3; n <= 8; ++n)
            QTest::addRow("%d x %d", n, n) << n;
    }
    void shuffleMakesExactlyNToTheFourMoves() {
        QFETCH(int, n);
        LoadedWindow w;
        frmMirvel& f = *w.form;
        play(f, u"size%1"_s.arg(n - 3));
        // Twice: from a fresh board and from the won board the first shuffle leaves.
        for (std::uint64_t seed : {1000 + n, 2000 + n}) {
            const std::vector<int> walk = replayShuffleWalk(seed, n, f.EmptyCell);
            QStringList tags = observe(f, u"tags"_s).mid(5).split(u',');
            for (std::size_t s = 1; s < walk.size(); ++s)
                tags.swapItemsAt(walk[s - 1], walk[s]), tags[walk[s]] = QString();
            Randomize(seed);
            f.Shuffle();
            const QString state = u"empty=%1;blank=%1;solved=0;clock=on;shown=%2;tags=%3"_s.arg(walk.back())
                                      .arg(n * n)
                                      .arg(tags.join(u','));
            QCOMPARE(observe(f, state), state);
            pressWalkBackwards(f, walk); // the board was solvable
            QCOMPARE(observe(f, u"solved;empty"_s), u"solved=-1;empty=%1"_s.arg(n * n - 1));
        }
    }

    void layoutIsMadeOnceForTheDesignSize() {
        LoadedWindow w;
        frmMirvel& f = *w.form;
        QCOMPARE(f.client->size(), QSize(684, 470));
        QCOMPARE(f.shpRahmen->shapeGeometry(), QRectF(174, 32.9, 343, 342));
        QCOMPARE(f.imgLaden[1]->Left(), 524.0);
        QVERIFY(f.linBank->isVisible() && f.PicBut[0]->isVisible() && f.lblTime->isVisible());
        f.imgPuzz[0]->setLeft(3);
        f.Form_Resize();
        QCOMPARE(f.imgPuzz[0]->Left(), 3.0); // later resizes move nothing
        // Below the sill, away from every control, the client shows the tiled fabric.
        const QImage shot = f.client->grab().toImage();
        const QImage fabric = f.imgHinterg->Picture().toImage().convertToFormat(shot.format());
        QCOMPARE(fabric.size(), QSize(50, 204));
        for (QPoint p : {QPoint(5, 460), QPoint(655, 455), QPoint(300, 440)})
            QCOMPARE(shot.pixel(p), fabric.pixel(p.x() % 50, p.y() % 204));
    }
};

MIRVEL_TEST_MAIN(TestPlay)
#include "tst_play.moc"
