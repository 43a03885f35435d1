// Guards the about box: what it shows, the start counter, the first start's language from
// the locale (German only for Germany), the saved language on later starts, and the flags,
// which switch the box at once and the main window only after the box has closed.

#include "about/frmInfo.h"
#include "shell/Globals.h"
#include "shell/ProgramInfo.h"
#include "support/LoadedWindow.h"
#include "support/ModalDriver.h"
#include "support/Probe.h"
#include "support/TestMain.h"
#include "support/UrlCatcher.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>

namespace {
QString startCount() {
    return QSettings(QStringLiteral("Mirvel"), QStringLiteral("Mirvel"))
        .value(QStringLiteral("Optionen/StartVal"), QStringLiteral("absent"))
        .toString();
}
// The about box writes the options file of a program folder of the test's own.
struct ProgramInfoFolder {
    QTemporaryDir dir;
    ProgramInfoFolder() { ProgramInfo::setFolder(dir.path()); }
    ~ProgramInfoFolder() { ProgramInfo::setFolder({}); }
};
void setStartCount(const QString& value) {
    QSettings s(QStringLiteral("Mirvel"), QStringLiteral("Mirvel"));
    s.setValue(QStringLiteral("Optionen/StartVal"), value);
}
} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    void firstStartFollowsTheLocale_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("seen");
        QTest::newRow("German (Germany)") << "de_DE.UTF-8"
                                          << "offset 0 menu &Spiel";
        QTest::newRow("German (Austria)") << "de_AT.UTF-8"
                                          << "offset 1000 menu &Game";
        QTest::newRow("German (Switzerland)") << "de_CH"
                                              << "offset 1000 menu &Game";
        QTest::newRow("English (US)") << "en_US.UTF-8"
                                      << "offset 1000 menu &Game";
        QTest::newRow("Swedish") << "sv_SE.UTF-8"
                                 << "offset 1000 menu &Game";
        QTest::newRow("no locale") << "C"
                                   << "offset 1000 menu &Game";
    }
    void firstStartFollowsTheLocale() {
        QFETCH(QString, lang);
        QFETCH(QString, seen);
        QTemporaryDir home, folder;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        env.insert(QStringLiteral("LANG"), lang);
        env.remove(QStringLiteral("LANGUAGE"));
        env.remove(QStringLiteral("LC_ALL"));
        env.remove(QStringLiteral("LC_MESSAGES"));
        const ProbeResult first = runProbe({QStringLiteral("locale"), folder.path()}, env);
        QCOMPARE(first.lines, (QStringList{QStringLiteral("about"), seen}));
        // The second start takes the saved language, whatever the locale says.
        env.insert(QStringLiteral("LANG"), seen.contains(QLatin1String("&Spiel"))
                                               ? QStringLiteral("en_US.UTF-8")
                                               : QStringLiteral("de_DE.UTF-8"));
        const ProbeResult second = runProbe({QStringLiteral("locale"), folder.path()}, env);
        QCOMPARE(second.lines, (QStringList{QStringLiteral("about"), seen}));
    }

    void whatTheBoxShows() {
        ProgramInfoFolder folder;
        frmInfo box;
        box.Form_Load();
        QCOMPARE(box.size(), QSize(356, 329));
        QCOMPARE(box.Label[0]->text(), QStringLiteral("Mirvel   2.0.203"));
        QCOMPARE(box.Label[2]->text(), QStringLiteral("Freeware"));
        QCOMPARE(box.lblHomepage->text(), QStringLiteral("https://www.kelmsoft.example/"));
        QCOMPARE(box.Label[3]->text(), QStringLiteral("Weitere Informationen siehe liesmich.txt!"));
        QCOMPARE(box.Label[4]->text(), QStringLiteral("TOVA-Programm-Nummer KLV_106"));
        QCOMPARE(box.ok->text(), QStringLiteral("&OK"));
        const QStringList tips = {"Deutsch", "English", "Svenska", "Italiano"};
        for (int i = 0; i < 4; ++i) {
            QVERIFY(!box.imgLang[i]->isHidden());
            QCOMPARE(box.imgLang[i]->toolTip(), tips[i]);
            QCOMPARE(box.imgLang[i]->geometry(), QRect(296, 224 + 24 * i, 32, 20));
        }
        QVERIFY(!box.ok->isHidden());
        UrlCatcher shell;
        QTest::mouseClick(box.lblHomepage, Qt::LeftButton);
        QCOMPARE(shell.opened, QList<QUrl>{QUrl(QStringLiteral("https://www.kelmsoft.example/"))});
    }

    void startCounter() {
        ProgramInfoFolder folder;
        for (const char* expected : {"1", "2", "3"}) {
            frmInfo box;
            box.Form_Load();
            QCOMPARE(startCount(), QLatin1String(expected));
        }
        setStartCount(QStringLiteral("32767"));
        frmInfo().Form_Load();
        QCOMPARE(startCount(), QStringLiteral("32767")); // stops at the largest 16-bit number
    }

    void startCounterThatIsNoNumber() {
        ProgramInfoFolder folder;
        setStartCount(QStringLiteral("many"));
        QStringList reports;
        ModalDriver driver(answer::errorsWith(1, &reports));
        frmInfo box;
        box.Form_Load();
        QCOMPARE(reports, QStringList{QStringLiteral("13 (Type mismatch)|frmInfo|Form_Load|4")});
        QCOMPARE(startCount(), QStringLiteral("1")); // went on: counted as 0
    }

    void flagsSwitchTheBoxAtOnceAndTheWindowAfterwards() {
        LoadedWindow w("[Optionen]\nSprache=0\n");
        frmMirvel& f = *w.form;
        QString boxLine, menuWhileOpen;
        const QByteArray iniBefore = w.ini();
        QByteArray iniAfterGermanFlag;
        ModalDriver driver([&](QWidget* widget) {
            auto* box = qobject_cast<frmInfo*>(widget);
            if (!box)
                return;
            QTest::mouseClick(box->imgLang[0], Qt::LeftButton); // the current language: nothing
            iniAfterGermanFlag = w.ini();
            QTest::mouseClick(box->imgLang[2], Qt::LeftButton);
            boxLine = box->Label[3]->text();
            menuWhileOpen = f.mnuSpiel->title();
            box->ok->click();
        });
        f.mnuUeber->trigger();
        QCOMPARE(iniAfterGermanFlag, iniBefore);
        QCOMPARE(boxLine, QStringLiteral("För ytterligare information läs readme.txt!"));
        QCOMPARE(menuWhileOpen, QStringLiteral("&Spiel"));
        QCOMPARE(f.mnuSpiel->title(), QStringLiteral("&Spel"));
        QVERIFY(f.mnuLang[2]->isChecked());
        QVERIFY(w.ini().contains("Sprache= 2000\n"));
    }
};

MIRVEL_TEST_MAIN(TestAbout)
#include "tst_about.moc"
