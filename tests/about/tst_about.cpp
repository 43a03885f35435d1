// Guards the about box and the language it chooses: from the locale at the first start (German
// only for Germany), saved later, and switched by the flags: the box at once, the window after.

#include "about/frmInfo.h"
#include "lang/Language.h"
#include "support/Probe.h"
#include "support/ProgramTexts.h"
#include "support/TestMain.h"
#include "support/UrlCatcher.h"
#include "support/Window.h"

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    void startLanguage_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<bool>("startedBefore"); // with nothing saved
        QTest::addColumn<bool>("german");
        QTest::newRow("German (Germany)") << u"de_DE.UTF-8"_s << false << true;
        QTest::newRow("German (Austria)") << u"de_AT.UTF-8"_s << false << false;
        QTest::newRow("German (Switzerland)") << u"de_CH"_s << false << false;
        QTest::newRow("English (US)") << u"en_US.UTF-8"_s << false << false;
        QTest::newRow("no locale") << u"C"_s << false << false;
        QTest::newRow("a later start with nothing saved") << u"en_US.UTF-8"_s << true << true;
    }
    void startLanguage() {
        QFETCH(QString, lang);
        QFETCH(bool, startedBefore);
        QFETCH(bool, german);
        QTemporaryDir home, folder;
        if (startedBefore) {
            QDir().mkpath(home.filePath(u"Mirvel"_s));
            writeFile(home.filePath(u"Mirvel/Mirvel.conf"_s), "[Optionen]\nStartVal=1");
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_CONFIG_HOME"_s, home.path());
        env.insert(u"LANG"_s, lang);
        env.remove(u"LC_MESSAGES"_s);
        const QStringList seen = {u"about"_s, german ? u"offset 0 menu "_s + texts::tableText(113, 0)
                                                     : u"offset 1000 menu "_s + texts::tableText(113, 1)};
        QCOMPARE(runProbe({u"locale"_s, folder.path()}, env).lines, seen);
        // The next start takes the saved language, whatever the locale says.
        env.insert(u"LANG"_s, german ? u"en_US.UTF-8"_s : u"de_DE.UTF-8"_s);
        QCOMPARE(runProbe({u"locale"_s, folder.path()}, env).lines, seen);
    }

    void savedLanguage() {
        for (int v : {0, 1000, 2000, 3000})
            QCOMPARE(languageOffsetFromSaved(v), rt::Integer(v));
        for (int v : {1500, 4000, -1000, 999}) // a hand-edited file: German
            QCOMPARE(languageOffsetFromSaved(v), rt::Integer(0));
        QCOMPARE(languageIndex(1500), 1); // the activation takes the first digit
        LoadedWindow w;
        LangOffset = 2000;
        w.form->Form_Activate();
        QCOMPARE(observe(*w.form, u"lang;offset"_s), u"lang=2;offset=2000"_s);
    }

    void startCounterAndHomepage() {
        LoadedWindow w;
        frmInfo().Form_Load();
        QCOMPARE(stored(u"Optionen/StartVal"_s), u"2"_s);
        store(u"Optionen/StartVal"_s, u"32767"_s);
        frmInfo().Form_Load();
        QCOMPARE(stored(u"Optionen/StartVal"_s), u"32767"_s); // stops at the largest 16-bit number
        store(u"Optionen/StartVal"_s, u"many"_s);
        QStringList seen;
        {
            ModalDriver driver(answer::all(1, &seen));
            frmInfo().Form_Load();
        }
        QCOMPARE(seen, QStringList{u"13 (Type mismatch)|frmInfo|Form_Load|4"_s});
        QCOMPARE(stored(u"Optionen/StartVal"_s), u"1"_s); // went on: counted as 0
        frmInfo box;
        box.Form_Load();
        UrlCatcher shell;
        QTest::mouseClick(box.lblHomepage, Qt::LeftButton);
        QCOMPARE(shell.opened, QList<QUrl>{QUrl(u"https://www.kelmsoft.example/"_s)});
    }

    void flagsSwitchTheBoxAtOnceAndTheWindowAfterwards() {
        LoadedWindow w("Sprache=0\n");
        frmMirvel& f = *w.form;
        QString boxLine, menuWhileOpen;
        bool savedForTheCurrentFlag = true;
        ModalDriver driver([&](QWidget* widget) {
            auto* box = qobject_cast<frmInfo*>(widget);
            QFile::remove(w.iniPath());
            QTest::mouseClick(box->imgLang[0], Qt::LeftButton); // the current language: nothing
            savedForTheCurrentFlag = QFile::exists(w.iniPath());
            QTest::mouseClick(box->imgLang[2], Qt::LeftButton);
            boxLine = box->Label[3]->text();
            menuWhileOpen = f.mnuSpiel->title();
            box->ok->click();
        });
        f.mnuUeber->trigger();
        QVERIFY(!savedForTheCurrentFlag);
        QCOMPARE(boxLine, texts::tableText(102, 2));
        QCOMPARE(menuWhileOpen, texts::tableText(113, 0));
        QTRY_COMPARE(f.mnuSpiel->title(), texts::tableText(113, 2)); // when the main window is active again
        QCOMPARE(observe(f, u"lang;ini"_s), u"lang=2;ini=[Optionen]|Sprache= 2000|"_s);
    }
};

MIRVEL_TEST_MAIN(TestAbout)
#include "tst_about.moc"
