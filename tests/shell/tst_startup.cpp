// Guards the start-up against a fresh and a prepared program folder, the size and picture
// menus storing at once, minimising, the fixed layout, the background, and the three ways
// the program ends (and the one that skips the unload).

#include "render/Decoration.h"
#include "render/ImageControl.h"
#include "support/ModalDriver.h"
#include "support/Probe.h"
#include "support/TestMain.h"
#include "support/Window.h"

#include <QLabel>
#include <QPushButton>

struct Start {
    const char *name, *ini, *script, *expected;
};
Q_DECLARE_METATYPE(Start)

class TestStartUp : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    void startUp_data() {
        // clang-format off
        static const Start rows[] = {
            {"fresh start", nullptr, "", "N=5;empty=24;solved=-1;clock=off;shown=25;last=yes;blank=;time=0;go=on;size=2;pic=0;lang=0;music=1;sound=-1+;at0=182,38,66,66;at6=248,104,66,66;tags=1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25;ini=[Optionen]|Size= 5|PlayMusic= 1|Sprache= 0|"},
            {"stored options", "Size= 3\r\nPicture= 2\r\nPlaySound= 0\r\nPlayMusic= 2\r\n", "", "N=3;shown=9;sound=0-;music=2;pic=2;at0=180,36,110,110;img4=103@133,133,133,133"},
            {"8 x 8 uses all tiles", "Size=8\n", "", "N=8;shown=64;empty=63;at63=472,328,41,41"},
            {"the menus store at once", "Picture= 0\n", "size5 pic1", "N=8;shown=64;size=5;pic=1;img9=102@50,50,50,50;ini=[Optionen]|Picture= 1|Size= 8|PlayMusic= 1|Sprache= 0|"},
            {"a restore with no game leaves the clock stopped", "", "min restore", "clock=off"},
            {"minimising pauses the clock", "", "start min", "clock=off"},
            {"restoring resumes it", "", "start min restore", "clock=on"},
            {"a resize after the game keeps it stopped", "", "start min restore new resize", "clock=off"},
        };
        // clang-format on
        addRows(rows, [](const Start& r) { return QString::fromLatin1(r.name); });
    }
    void startUp() {
        QFETCH(Start, row);
        LoadedWindow w(row.ini ? QByteArray(row.ini) : QByteArray());
        play(*w.form, QLatin1String(row.script));
        QCOMPARE(observe(*w.form, QLatin1String(row.expected)), QLatin1String(row.expected));
    }

    void layoutIsMadeOnceForTheDesignSize() {
        LoadedWindow w;
        frmMirvel& f = *w.form;
        QCOMPARE(f.client->size(), QSize(684, 470));
        QCOMPARE(f.shpRahmen->shapeGeometry().topLeft().x(), 174.0);
        QCOMPARE(f.shpRahmen->shapeGeometry().size(), QSizeF(343, 342));
        QCOMPARE(f.imgLaden[1]->Left(), 524.0);
        QVERIFY(f.linBank->isVisible() && f.PicBut[0]->isVisible() && f.lblTime->isVisible());
        f.imgPuzz[0]->setLeft(3);
        f.Form_Resize();
        QCOMPARE(f.imgPuzz[0]->Left(), 3.0); // later resizes move nothing
        // The next start uses the options stored by the menus.
        play(f, u"size0 pic2"_s);
        frmMirvel again;
        {
            ModalDriver driver(answer::aboutBoxesOnly());
            again.Form_Load();
        }
        QCOMPARE(observe(again, u"N=3;pic=2"_s), u"N=3;pic=2"_s);
    }

    void theBackgroundIsTiledFabric() {
        LoadedWindow w;
        const QImage shot = w.form->client->grab().toImage();
        const QImage fabric = w.form->imgHinterg->Picture().toImage().convertToFormat(shot.format());
        QCOMPARE(fabric.size(), QSize(50, 204));
        // Below the sill, away from every control, the client shows the texture at its place.
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
        QTest::newRow("End in the error dialog skips the unload")
            << u"code3"_s << QStringList{u"about"_s, u"error"_s};
    }
    void endingTheProgram() {
        QFETCH(QString, how);
        QFETCH(QStringList, seen);
        QTemporaryDir folder;
        const ProbeResult r = runProbe({how, folder.path()});
        QVERIFY(!r.crashed);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.lines, seen);
    }
};

MIRVEL_TEST_MAIN(TestStartUp)
#include "tst_startup.moc"
