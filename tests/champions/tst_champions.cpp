// Guards the champions list: which wins are records, the name prompt and what is stored of the
// name, a stored time that is no number, the list text byte for byte, and two programs
// recording at the same moment.

#include "champions/ChampionsText.h"
#include "errors/ErrPtnr.h"
#include "shell/Globals.h"
#include "support/LoadedWindow.h"
#include "support/ModalDriver.h"
#include "support/Probe.h"
#include "support/TestMain.h"

#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>

namespace {

QSettings store() {
    return QSettings(QStringLiteral("Mirvel"), QStringLiteral("Mirvel"));
}
QVariant stored(const QString& key) {
    return store().value(QStringLiteral("Highscore/") + key);
}
void storeTime(const QString& key, const QString& value) {
    QSettings s(QStringLiteral("Mirvel"), QStringLiteral("Mirvel"));
    s.setValue(QStringLiteral("Highscore/") + key, value);
}

} // namespace

class TestChampions : public QObject {
    Q_OBJECT
private slots:
    void init() {
        clearUserStore();
        LangOffset = 0;
    }

    void records_data() {
        QTest::addColumn<QString>("before"); // stored time of the 5 x 5 slot, "" for none
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("typed"); // "<cancel>" cancels the prompt
        QTest::addColumn<bool>("prompted");
        QTest::addColumn<QString>("time"); // stored afterwards, "" for none
        QTest::addColumn<QString>("name");
        QTest::newRow("first win") << "" << 57 << "Anna" << true << "57"
                                   << "Anna";
        QTest::newRow("faster") << "57" << 56 << "Bo" << true << "56"
                                << "Bo";
        QTest::newRow("tie keeps the champion") << "57" << 57 << "Bo" << false << "57"
                                                << "";
        QTest::newRow("slower") << "57" << 58 << "Bo" << false << "57"
                                << "";
        QTest::newRow("0 seconds never") << "" << 0 << "Bo" << false << ""
                                         << "";
        QTest::newRow("9999 on an empty slot") << "" << 9999 << "Bo" << false << ""
                                               << "";
        QTest::newRow("9998 on an empty slot") << "" << 9998 << "Bo" << true << "9998"
                                               << "Bo";
        QTest::newRow("cancel keeps the time") << "" << 12 << "<cancel>" << true << "12"
                                               << "";
        QTest::newRow("blanks trimmed") << "" << 12 << "   Carla  " << true << "12"
                                        << "Carla";
        QTest::newRow("blanks only") << "" << 12 << "     " << true << "12"
                                     << "";
        QTest::newRow("25 characters cut to 20")
            << "" << 12 << "abcdefghijklmnopqrstuvwxy" << true << "12"
            << "abcdefghijklmnopqrst";
        QTest::newRow("characters, not bytes")
            << "" << 12 << "ÄÖÜäöüßÄÖÜäöüßÄÖÜäöüßÄÖÜ" << true << "12"
            << "ÄÖÜäöüßÄÖÜäöüßÄÖÜäöü";
        QTest::newRow("emoji kept whole")
            << "" << 12 << "abcdefghijklmnopqrs\U0001F600xyz" << true << "12"
            << "abcdefghijklmnopqrs\U0001F600";
    }
    void records() {
        QFETCH(QString, before);
        QFETCH(int, seconds);
        QFETCH(QString, typed);
        QFETCH(bool, prompted);
        QFETCH(QString, time);
        QFETCH(QString, name);
        LoadedWindow w;
        if (!before.isEmpty()) {
            storeTime(QStringLiteral("5"), before);
            storeTime(QStringLiteral("Name5"), QString());
        }
        QString title, prompt;
        ModalDriver driver([&](QWidget* widget) {
            auto* input = qobject_cast<QInputDialog*>(widget);
            if (!input)
                return;
            title = input->windowTitle();
            prompt = input->labelText();
            if (typed == QLatin1String("<cancel>")) {
                input->reject();
            } else {
                input->setTextValue(typed);
                input->accept();
            }
        });
        w.form->GameSeconds = seconds;
        w.form->WriteHighScore();
        QCOMPARE(driver.seen(), prompted ? 1 : 0);
        if (prompted) {
            QCOMPARE(title, QStringLiteral("Glückwunsch!"));
            QCOMPARE(prompt, QStringLiteral("Bitte gib deinen Namen ein!"));
        }
        QCOMPARE(stored(QStringLiteral("5")).toString(), time);
        QCOMPARE(stored(QStringLiteral("Name5")).toString(), name);
        QCOMPARE(store().allKeys().filter(QStringLiteral("Highscore/")).size(),
                 time.isEmpty() ? 0 : 2);
    }

    void storedTimeThatIsNoNumber() {
        LoadedWindow w;
        storeTime(QStringLiteral("5"), QStringLiteral("fast"));
        QStringList reports;
        ModalDriver driver(answer::errorsWith(2, &reports));
        w.form->GameSeconds = 30;
        w.form->WriteHighScore();
        QCOMPARE(reports,
                 QStringList{QStringLiteral("13 (Type mismatch)|frmMirvel|WriteHighScore|1")});
        QCOMPARE(stored(QStringLiteral("5")).toString(), QStringLiteral("fast"));
        QVERIFY(!stored(QStringLiteral("Name5")).isValid());
    }

    void listTextByteForByte() {
        const QMap<QString, QString> entries = {
            {"4", "57"}, {"Name4", "Anna"}, {"8", "1200"}, {"Name8", ""}};
        const QString text = championsListText(QStringLiteral("Teile"), QStringLiteral("Zeit (s)"),
                                               QStringLiteral("Name"),
                                               [&](const QString& key, const QString& fallback) {
                                                   return entries.value(key, fallback);
                                               });
        QCOMPARE(text, QStringLiteral("Teile\tZeit (s)\tName\r\n"
                                      "==============================\r\n"
                                      "3 x 3\t-\t-\r\n"
                                      "4 x 4\t57\tAnna\r\n"
                                      "5 x 5\t-\t-\r\n"
                                      "6 x 6\t-\t-\r\n"
                                      "7 x 7\t-\t-\r\n"
                                      "8 x 8\t1200\t\r\n"));
    }

    void listShownInAMessageBox() {
        LoadedWindow w;
        storeTime(QStringLiteral("4"), QStringLiteral("57"));
        storeTime(QStringLiteral("Name4"), QStringLiteral("Anna"));
        storeTime(QStringLiteral("6"), QStringLiteral("99"));
        storeTime(QStringLiteral("Name6"), QStringLiteral("Tab\there\r\nand a line"));
        QString title, text;
        int buttons = 0;
        QMessageBox::Icon icon = QMessageBox::Critical;
        ModalDriver driver([&](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box)
                return;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->buttons().size();
            box->accept();
        });
        w.form->mnuHighScore_Click();
        QCOMPARE(title, QStringLiteral("Mirvel Champions"));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons, 1);
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 10); // heading, rule, six sizes, the odd name's own break, end
        QCOMPARE(lines[0], QStringLiteral("Teile\tZeit (s)\tName"));
        QCOMPARE(lines[3], QStringLiteral("4 x 4\t57\tAnna"));
        QCOMPARE(lines[5], QStringLiteral("6 x 6\t99\tTab\there")); // shown as stored
        QCOMPARE(lines[6], QStringLiteral("and a line"));
        QCOMPARE(lines[7], QStringLiteral("7 x 7\t-\t-"));

        LangOffset = 3000;
        w.form->mnuHighScore_Click();
        QCOMPARE(title, QStringLiteral("Campioni di Mirvel"));
        QVERIFY(text.startsWith(QStringLiteral("Parti\tSecondi\tNome\r\n")));
    }

    void twoProgramsRecordingAtOnce() {
        LoadedWindow w; // makes the store's folder
        QTemporaryDir folder;
        QProcess a, b;
        for (QProcess* p : {&a, &b}) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            p->setProcessEnvironment(env);
        }
        a.start(QStringLiteral(MIRVEL_PROBE), {QStringLiteral("record"), folder.path(),
                                               QStringLiteral("3"), QStringLiteral("40")});
        b.start(QStringLiteral(MIRVEL_PROBE), {QStringLiteral("record"), folder.path(),
                                               QStringLiteral("4"), QStringLiteral("40")});
        QVERIFY(a.waitForFinished(60000) && b.waitForFinished(60000));
        QCOMPARE(a.exitCode(), 0);
        QCOMPARE(b.exitCode(), 0);
        QCOMPARE(stored(QStringLiteral("3")).toString(), QStringLiteral("1"));
        QCOMPARE(stored(QStringLiteral("Name3")).toString(), QStringLiteral("p3"));
        QCOMPARE(stored(QStringLiteral("4")).toString(), QStringLiteral("1"));
        QCOMPARE(stored(QStringLiteral("Name4")).toString(), QStringLiteral("p4"));
    }
};

MIRVEL_TEST_MAIN(TestChampions)
#include "tst_champions.moc"
