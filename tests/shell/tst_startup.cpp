// Guards the start-up against a fresh and a prepared program folder, the stored options that
// are out of range (reported, never a crash), the size and picture menus storing at once,
// minimising, and the three ways the program ends.

#include "render/Decoration.h"
#include "render/ImageControl.h"
#include "shell/Globals.h"
#include "support/LoadedWindow.h"
#include "support/ModalDriver.h"
#include "support/Probe.h"
#include "support/TestMain.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

int visibleTiles(const frmMirvel& f) {
    int n = 0;
    for (auto* tile : f.imgPuzz)
        n += tile && tile->isVisible();
    return n;
}

// The menu bar as "name:caption" lines, depth marked by dots, separators by their names.
void describe(const QMenu* menu, int depth, QStringList& out) {
    for (QAction* a : menu->actions()) {
        const QString name = a->menu() ? a->menu()->objectName() : a->objectName();
        QString line = QString(depth, u'.') + name + u':' +
                       (a->isSeparator() ? QStringLiteral("-") : a->text());
        if (a->isChecked())
            line += QStringLiteral(" [x]");
        out.append(line);
        if (a->menu())
            describe(a->menu(), depth + 1, out);
    }
}

} // namespace

class TestStartUp : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    void freshStart() {
        LoadedWindow w;
        frmMirvel& f = *w.form;
        QCOMPARE(f.windowTitle(), QStringLiteral("Mirvel"));
        QCOMPARE(f.GridSize, rt::Integer(5));
        QCOMPARE(MusicOn, rt::True);
        QCOMPARE(MusicLoop, rt::False);
        QCOMPARE(SoundOn, rt::True);
        QCOMPARE(f.IsSolved, rt::True);
        QCOMPARE(f.EmptyCell, rt::Integer(24));
        QCOMPARE(f.client->size(), QSize(684, 470));
        QCOMPARE(visibleTiles(f), 25);
        for (int k = 0; k < 25; ++k)
            QCOMPARE(f.imgPuzz[k]->Tag(), QString::number(k + 1));
        QCOMPARE(f.imgPuzz[0]->Left(), 182.0);
        QVERIFY(qFuzzyCompare(f.imgPuzz[6]->Top(), 37.9 + 66));
        QCOMPARE(f.imgPuzz[6]->geometry(), QRect(248, 104, 66, 66));
        QCOMPARE(f.imgLaden[1]->Left(), 524.0);
        QVERIFY(f.shpRahmen->isVisible() && f.linBank->isVisible());
        QCOMPARE(f.lblTime->text(), QStringLiteral("0"));
        QVERIFY(f.PicBut[0]->isEnabled() && f.PicBut[0]->isVisible());
        // The whole picture shows, the last piece included.
        QCOMPARE(f.imgPuzz[24]->Picture().toImage(), f.PicClip1.GraphicCell(24).toImage());
        QCOMPARE(w.ini(), QByteArray("[Optionen]\nSize= 5\nPlayMusic= 1\nSprache= 0\n"));
    }

    void fullMenuBar() {
        LoadedWindow w;
        QStringList menus;
        for (QAction* top : w.form->menuBar()->actions()) {
            menus.append(top->menu()->objectName() + u':' + top->text());
            describe(top->menu(), 1, menus);
        }
        const QStringList expected = {"mnuSpiel:&Spiel",
                                      ".mnuStart:&Start",
                                      ".mnuHighScore:&Champions anzeigen...",
                                      ".mnuBar1:-",
                                      ".mnuEnde:Be&enden",
                                      "mnuOptionen:&Optionen",
                                      ".mnuTeile:&Teile",
                                      "..mnuSize:&3 x 3",
                                      "..mnuSize:&4 x 4",
                                      "..mnuSize:&5 x 5 [x]",
                                      "..mnuSize:&6 x 6",
                                      "..mnuSize:&7 x 7",
                                      "..mnuSize:&8 x 8",
                                      ".mnuBar5:-",
                                      ".mnuBilder:&Bild",
                                      "..mnuBild:&1 [x]",
                                      "..mnuBild:&2",
                                      "..mnuBild:&3",
                                      ".mnubar2:-",
                                      ".mnuSprache:&Sprache",
                                      "..mnuLang:&Deutsch [x]",
                                      "..mnuLang:&English",
                                      "..mnuLang:&Svenska",
                                      "..mnuLang:&Italiano",
                                      ".mnuBar3:-",
                                      ".mnuPlaySounds:&Geräuscheffekte [x]",
                                      ".mnuPlayMusic:&Hintergrundmusik",
                                      "..mnuMusic:&Keine",
                                      "..mnuMusic:&Einmal [x]",
                                      "..mnuMusic:En&dlos",
                                      "mnuHilfe:&Hilfe",
                                      ".mnuOnlinehilfe:&Onlinehilfe",
                                      ".mnuBar4:-",
                                      ".mnuHomepage:&Kelmsoft's Homepage...",
                                      ".mnuEMail:&Email an Kelmsoft...",
                                      ".mnuBar6:-",
                                      ".mnuUeber:&Über..."};
        QCOMPARE(menus, expected);
    }

    void designCaptionsBeforeTheLanguageIsApplied() {
        frmMirvel f;
        QCOMPARE(f.mnuPlaySounds->text(), QStringLiteral("&Geräusche"));
        QCOMPARE(f.mnuMusic[2]->text(), QStringLiteral("end&los"));
        QCOMPARE(f.mnuOnlinehilfe->text(), QStringLiteral("Online&hilfe"));
        QCOMPARE(f.mnuEMail->text(), QStringLiteral("&E-Mail an Kelmsoft..."));
        QCOMPARE(f.PicBut[1]->toolTip(), QStringLiteral("Spiel beenden"));
    }

    void storedOptionsAreUsed() {
        LoadedWindow w("[Optionen]\r\nSize= 3\r\nPicture= 2\r\nPlaySound= 0\r\nPlayMusic= 2\r\n");
        frmMirvel& f = *w.form;
        QCOMPARE(f.GridSize, rt::Integer(3));
        QCOMPARE(visibleTiles(f), 9);
        QCOMPARE(SoundOn, rt::False);
        QVERIFY(!f.mnuPlaySounds->isChecked());
        QCOMPARE(MusicLoop, rt::True);
        QVERIFY(f.mnuMusic[2]->isChecked() && !f.mnuMusic[1]->isChecked());
        QVERIFY(f.mnuBild[2]->isChecked() && !f.mnuBild[0]->isChecked());
        const QImage picture = LoadResPicture(103).toImage();
        QCOMPARE(picture.size(), QSize(400, 401));
        QCOMPARE(f.imgPuzz[4]->Picture().toImage(), picture.copy(133, 133, 133, 133));
        QCOMPARE(f.imgPuzz[0]->Width(), 110.0);
    }

    void eightUsesAllTiles() {
        LoadedWindow w("[Optionen]\nSize=8\n");
        QCOMPARE(visibleTiles(*w.form), 64);
        QCOMPARE(w.form->imgPuzz[63]->Tag(), QStringLiteral("64"));
    }

    void badStoredValues_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("report");
        QTest::newRow("size 9") << QByteArray("[Optionen]\nSize=9\n")
                                << "9 (Subscript out of range)|frmMirvel|mnuSize_Click|1";
        QTest::newRow("size 2") << QByteArray("[Optionen]\nSize=2\n")
                                << "9 (Subscript out of range)|frmMirvel|mnuSize_Click|1";
        QTest::newRow("size 70000")
            << QByteArray("[Optionen]\nSize=70000\n") << "6 (Overflow)|frmMirvel|Form_Load|3";
        QTest::newRow("picture 5") << QByteArray("[Optionen]\nPicture=5\n")
                                   << "326 (Resource not found)|frmMirvel|Form_Load|6";
        QTest::newRow("picture -1") << QByteArray("[Optionen]\nPicture=-1\n")
                                    << "326 (Resource not found)|frmMirvel|Form_Load|6";
        QTest::newRow("music 7") << QByteArray("[Optionen]\nPlayMusic=7\n")
                                 << "9 (Subscript out of range)|frmMirvel|Form_Load|4";
    }
    void badStoredValues() {
        QFETCH(QByteArray, ini);
        QFETCH(QString, report);
        for (int code : {1, 2}) {
            QStringList reports;
            ModalDriver driver(answer::errorsWith(code, &reports));
            LoadedWindow w(ini, &driver);
            QVERIFY(!reports.isEmpty());
            QCOMPARE(reports.first(), report);
            QVERIFY(w.form->isVisible()); // the program goes on as the user chose
            QCOMPARE(driver.unanswered(), 0);
        }
    }

    void sizeAndPictureMenusStoreAtOnce() {
        LoadedWindow w("[Optionen]\nPicture= 0\n");
        frmMirvel& f = *w.form;
        f.mnuSize[5]->trigger();
        QCOMPARE(f.GridSize, rt::Integer(8));
        QCOMPARE(visibleTiles(f), 64);
        QVERIFY(f.mnuSize[5]->isChecked() && !f.mnuSize[2]->isChecked());
        f.mnuBild[1]->trigger();
        QVERIFY(f.mnuBild[1]->isChecked() && !f.mnuBild[0]->isChecked());
        QCOMPARE(f.imgPuzz[9]->Picture().toImage(),
                 LoadResPicture(102).toImage().copy(50, 50, 50, 50));
        QCOMPARE(w.ini(),
                 QByteArray("[Optionen]\nPicture= 1\nSize= 8\nPlayMusic= 1\nSprache= 0\n"));

        // The next start uses both choices.
        frmMirvel next;
        {
            ModalDriver driver(answer::aboutBoxesOnly());
            next.Form_Load();
        }
        QCOMPARE(next.GridSize, rt::Integer(8));
        QVERIFY(next.mnuBild[1]->isChecked());
    }

    void minimisingPausesTheClock() {
        LoadedWindow w;
        frmMirvel& f = *w.form;
        f.showMinimized();
        QTest::qWait(10);
        f.showNormal();
        QTest::qWait(10);
        QVERIFY(!f.Timer1->isActive()); // no game ran: the clock stays stopped

        f.mnuStart->trigger();
        QVERIFY(f.Timer1->isActive());
        f.showMinimized();
        QTest::qWait(10);
        QVERIFY(!f.Timer1->isActive());
        f.showNormal();
        QTest::qWait(10);
        QVERIFY(f.Timer1->isActive());

        // The game ends; a later resize must not start the clock of the finished game.
        f.NewGame();
        f.Form_Resize();
        QVERIFY(!f.Timer1->isActive());
    }

    void laterResizesDoNotMoveTheBoard() {
        LoadedWindow w;
        frmMirvel& f = *w.form;
        f.imgPuzz[0]->setLeft(3);
        f.Form_Resize();
        QCOMPARE(f.imgPuzz[0]->Left(), 3.0);
    }

    void theBackgroundIsTiledFabric() {
        LoadedWindow w;
        const QImage shot = w.form->client->grab().toImage();
        const QImage fabric =
            w.form->imgHinterg->Picture().toImage().convertToFormat(shot.format());
        QCOMPARE(fabric.size(), QSize(50, 204));
        // Below the sill, away from every control, the client shows the texture at its place.
        for (QPoint p : {QPoint(5, 460), QPoint(655, 455), QPoint(300, 440)})
            QCOMPARE(shot.pixel(p), fabric.pixel(p.x() % 50, p.y() % 204));
    }

    void endingTheProgram_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("closing the window") << "close";
        QTest::newRow("Game > End") << "menu";
        QTest::newRow("the end button") << "button";
    }
    void endingTheProgram() {
        QFETCH(QString, how);
        QTemporaryDir folder;
        const ProbeResult r = runProbe({how, folder.path()});
        QVERIFY(!r.crashed);
        QCOMPARE(r.exitCode, 0);
        // The about box shows at start and once more at the end.
        QCOMPARE(r.lines, (QStringList{QStringLiteral("about"), QStringLiteral("about")}));
    }

    void endChosenInTheErrorDialogSkipsTheUnload() {
        QTemporaryDir folder;
        const ProbeResult r = runProbe({QStringLiteral("code3"), folder.path()});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.lines, (QStringList{QStringLiteral("about"), QStringLiteral("error")}));
    }
};

MIRVEL_TEST_MAIN(TestStartUp)
#include "tst_startup.moc"
