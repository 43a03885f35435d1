// Guards the help menu: the homepage, the e-mail address and the help file are handed to the
// desktop's handlers (and nothing breaks when there are none), and the compiled help file is
// built with its topics and its default topic.

#include "links/ShellOpen.h"
#include "shell/Globals.h"
#include "support/LoadedWindow.h"
#include "support/ModalDriver.h"
#include "support/TestMain.h"
#include "support/UrlCatcher.h"

#include <QAction>
#include <QDir>
#include <QProcess>
#include <QtEndian>

class TestLinks : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    void entriesHandTheirAddressesToTheDesktop() {
        LoadedWindow w;
        frmMirvel& f = *w.form;
        UrlCatcher shell;
        f.mnuHomepage->trigger();
        f.mnuEMail->trigger();
        f.mnuOnlinehilfe->trigger();
        QCOMPARE(shell.opened.size(), 3);
        QCOMPARE(shell.opened[0], QUrl(QStringLiteral("https://www.kelmsoft.example/")));
        QCOMPARE(shell.opened[1], QUrl(QStringLiteral("mailto:support@kelmsoft.example")));
        QCOMPARE(shell.opened[2],
                 QUrl::fromLocalFile(QDir(w.folder.path()).filePath(QStringLiteral("Mirvel.chm"))));
    }

    void captionsFollowTheLanguageButTheHomepage() {
        LoadedWindow w;
        frmMirvel& f = *w.form;
        const QStringList email = {"&Email an Kelmsoft...", "&E-Mail to Kelmsoft...",
                                   "&E-Post till Kelmsoft...", "&Posta elettronica a Kelmsoft"};
        for (int i = 0; i < 4; ++i) {
            f.mnuLang[i]->trigger();
            QCOMPARE(f.mnuEMail->text(), email[i]);
            QCOMPARE(f.mnuHomepage->text(), QStringLiteral("&Kelmsoft's Homepage..."));
        }
    }

    void noHandlerNoMessage() {
        LoadedWindow w;
        ModalDriver driver([](QWidget* modal) { modal->close(); });
        w.form->mnuHomepage->trigger();
        w.form->mnuEMail->trigger();
        w.form->mnuOnlinehilfe->trigger();
        QTest::qWait(50);
        QCOMPARE(driver.seen(), 0);
    }

    void helpFileIsBuiltWithItsDefaultTopic() {
        const QString chm = QStringLiteral(MIRVEL_HELP_FILE);
        QFile file(chm);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.size() > 10000);
        QCOMPARE(file.read(4), QByteArray("ITSF"));

        QTemporaryDir out;
        QProcess extract;
        extract.setStandardOutputFile(QProcess::nullDevice());
        extract.start(QStringLiteral("extract_chmLib"), {chm, out.path()});
        QVERIFY(extract.waitForFinished(30000));
        QCOMPARE(extract.exitCode(), 0);
        for (const char* topic :
             {"index.html", "de/index.html", "de/spielen.html", "en/index.html", "en/playing.html"})
            QVERIFY2(QFileInfo(QDir(out.path()).filePath(QLatin1String(topic))).size() > 200,
                     topic);

        // #SYSTEM: a version, then records of code, length and data; code 2 is the default topic.
        QFile system(QDir(out.path()).filePath(QStringLiteral("#SYSTEM")));
        QVERIFY(system.open(QIODevice::ReadOnly));
        const QByteArray s = system.readAll();
        QString defaultTopic;
        for (qsizetype at = 4; at + 4 <= s.size();) {
            const auto code = qFromLittleEndian<quint16>(s.constData() + at);
            const auto length = qFromLittleEndian<quint16>(s.constData() + at + 2);
            if (code == 2)
                defaultTopic =
                    QString::fromLatin1(s.mid(at + 4, length)).section(QChar(u'\0'), 0, 0);
            at += 4 + length;
        }
        QCOMPARE(defaultTopic, QStringLiteral("index.html"));
    }
};

MIRVEL_TEST_MAIN(TestLinks)
#include "tst_links.moc"
