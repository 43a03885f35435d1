// Guards the start-up and the game on the real widgets, row by row of what a player does and
// sees, and the shuffle, the fixed layout and the ways the program ends.

#include "render/Decoration.h"
#include "render/ImageControl.h"
#include "shell/Random.h"
#include "support/Probe.h"
#include "support/TestMain.h"
#include "support/Window.h"

#include <QSignalSpy>

struct Game {
    const char *name, *ini, *script, *expected;
};
Q_DECLARE_METATYPE(Game)

class TestPlay : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    void game_data() {
        // clang-format off
        static const Game rows[] = {
            {"fresh start", nullptr, "", "N=5;empty=24;solved=-1;clock=off;shown=25;last=yes;blank=;time=0;go=on;"
             "size=2;pic=0;lang=0;music=1;sound=-1+;at0=182,38,66,66;at6=248,104,66,66;"
             "tags=1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25;"
             "ini=[Optionen]|Size= 5|PlayMusic= 1|Sprache= 0|"},
            {"stored options", "Size= 3\r\nPicture= 2\r\nPlaySound= 0\r\nPlayMusic= 2\r\n", "",
             "N=3;shown=9;sound=0-;music=2;pic=2;at0=180,36,110,110;img4=103@133,133,133,133"},
            {"8 x 8 uses all tiles", "Size=8\n", "", "N=8;shown=64;empty=63;at63=472,328,41,41"},
            {"the menus store at once", "Picture= 0\n", "size5 pic1", "N=8;shown=64;size=5;pic=1;"
             "img9=102@50,50,50,50;ini=[Optionen]|Picture= 1|Size= 8|PlayMusic= 1|Sprache= 0|"},
            {"minimising pauses the clock of a game only", "",
             "min restore ?clock=off start min ?clock=off restore ?clock=on new resize", "clock=off"},
            {"4 x 4: only the neighbours of 15 move", "Size=4", "p10 p12 p13 p15 p7 p3", "empty=15"},
            {"the pressed tile slides into the blank, on any button", "Size=4",
             "p11 ?empty=11;blank=11;tags=1,2,3,4,5,6,7,8,9,10,11,,13,14,15,12 p15 r14 ?empty=14 m13",
             "empty=13;name13=Leeres Feld;name14=Teil 14"},
            {"no wrap from the end of the row above", "Size=4", "p14 p13 p12 p8 p4 p3", "empty=4"},
            {"the arrows slide the tile on the far side of the blank", "Size=3",
             "kRight kDown ?empty=8 kLeft ?empty=7;tags=1,2,3,4,5,6,7,,8 kUp", "empty=4;solved=0;go=off"},
            {"arrows back and Escape does nothing", "Size=3", "kLeft kUp kDown kRight kEscape", "empty=8;solved=-1"},
            {"a game starts", "", "start", "solved=0;clock=on;menu=off;go=off;champs=off;shown=25"},
            {"the keyboard alone plays a game to its end", "Size=4", "seed8 kAlt+S kS ?clock=on tick3 keysolve",
             "solved=-1;clock=off;best4=3/Anna;name0=Teil 1;name15=Leeres Feld"},
            {"a won game, and the next from the button", "Size=3",
             "seed21 go tick57 solve ?solved=-1;clock=off;last=yes;blank=;tags=1,2,3,4,5,6,7,8,;best3=57/Anna;"
             "champs=on;go=on;menu=off;secs=0;time=57 go tick", "solved=0;clock=on;secs=1;time=1"},
            {"disarranged with no game, put right by a start", "Size=3", "p7 ?solved=0;clock=off;go=off;empty=7 "
             "start ?solved=-1;clock=off;tags=1,2,3,4,5,6,7,8,9;go=off;menu=off;champs=off p0",
             "empty=8;go=on;champs=on"},
            {"the last piece overwritten, moved back", "Size=3", "p5 ?empty=5;solved=0;go=off;tags=1,2,3,4,5,,7,8,6 p8",
             "solved=-1;blank=8;go=on;best3=-/-"},
            {"a size change drops the game", "", "start tick2 size0 ?N=3;shown=9;tags=1,2,3,4,5,6,7,8,9;empty=8;"
             "solved=-1;clock=off;secs=0;time=2;go=on;champs=off;last=yes;at4=290,146,110,110 p0", "champs=on"},
            {"a picture change drops the game", "", "start pic2", "solved=-1;clock=off;img24=103@320,320,80,80"},
        };
        // clang-format on
        addRows(rows);
    }
    void game() {
        QFETCH(Game, row);
        LoadedWindow w(row.ini ? QByteArray(row.ini) : QByteArray());
        ModalDriver driver(answer::all(2, nullptr, u"Anna"_s));
        play(*w.form, QLatin1String(row.script));
        QCOMPARE(observe(*w.form, QLatin1String(row.expected)), QLatin1String(row.expected));
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

    void endingTheProgram_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("seen");
        const QStringList twice = {u"about"_s, u"about"_s}; // at the start and once more at the end
        QTest::newRow("closing the window") << u"close"_s << twice;
        QTest::newRow("Game > End") << u"menu"_s << twice;
        QTest::newRow("the end button") << u"button"_s << twice;
        QTest::newRow("a failing unload step is skipped silently") << u"unloadfault"_s << twice;
        QTest::newRow("End in the error dialog skips the unload") << u"code3"_s << QStringList{u"about"_s, u"error"_s};
    }
    void endingTheProgram() {
        QFETCH(QString, how);
        QFETCH(QStringList, seen);
        QTemporaryDir folder;
        const ProbeResult r = runProbe({how, folder.path()});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.lines, seen);
    }
};

MIRVEL_TEST_MAIN(TestPlay)
#include "tst_play.moc"
