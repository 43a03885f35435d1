// Guards the about box: its homepage link, and its flags, which switch the
// box at once and the window after it.

#include "about/frmInfo.h"
#include "support/Window.h"

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    // (The start counter: rows of tests/data/play.tsv.)
    void homepageLink() {
        LoadedWindow w;
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
