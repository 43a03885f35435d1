// Guards the help menu: the homepage, the e-mail address and the help file are handed to the
// desktop's handlers (and nothing is shown when there are none), and the compiled help file is
// built with its topics and its default topic.

#include "support/ModalDriver.h"
#include "support/TestMain.h"
#include "support/UrlCatcher.h"
#include "support/Window.h"

#include <QAction>
#include <QtEndian>

class TestLinks : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    void entriesHandTheirAddressesToTheDesktop() {
        LoadedWindow w;
        frmMirvel& f = *w.form;
        {
            UrlCatcher shell;
            f.mnuHomepage->trigger();
            f.mnuEMail->trigger();
            f.mnuOnlinehilfe->trigger();
            QCOMPARE(shell.opened, (QList<QUrl>{QUrl(u"https://www.kelmsoft.example/"_s),
                                                QUrl(u"mailto:support@kelmsoft.example"_s),
                                                QUrl::fromLocalFile(w.folder.filePath(u"Mirvel.chm"_s))}));
        }
        ModalDriver driver([](QWidget* modal) { modal->close(); });
        f.mnuHomepage->trigger(); // no handler at all: no message either
        f.mnuEMail->trigger();
        f.mnuOnlinehilfe->trigger();
        QTest::qWait(50);
        QCOMPARE(driver.seen(), 0);
    }

    void helpFileIsBuiltWithItsDefaultTopic() {
        const QString chm = QStringLiteral(MIRVEL_HELP_FILE);
        QCOMPARE(readFile(chm).left(4), "ITSF"_ba);
        QTemporaryDir out;
        QProcess extract;
        extract.start(u"extract_chmLib"_s, {chm, out.path()});
        QVERIFY(extract.waitForFinished(30000) && extract.exitCode() == 0);
        for (const char* topic : {"index.html", "de/index.html", "en/index.html", "en/playing.html"})
            QVERIFY2(readFile(out.filePath(QLatin1String(topic))).size() > 200, topic);
        // #SYSTEM: a version, then records of code, length and data; code 2 is the default topic.
        const QByteArray s = readFile(out.filePath(u"#SYSTEM"_s));
        QString defaultTopic;
        for (qsizetype at = 4; at + 4 <= s.size(); at += 4 + qFromLittleEndian<quint16>(s.constData() + at + 2))
            if (qFromLittleEndian<quint16>(s.constData() + at) == 2)
                defaultTopic = QString::fromLatin1(s.mid(at + 4).constData());
        QCOMPARE(defaultTopic, u"index.html"_s);
    }
};

MIRVEL_TEST_MAIN(TestLinks)
#include "tst_links.moc"
