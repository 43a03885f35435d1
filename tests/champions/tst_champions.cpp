// Guards the champions list: which wins are records, the name prompt and what is kept of the
// name, a stored time that is no number, the list text byte for byte and as shown in each
// language, and two programs recording at the same moment.

#include "champions/ChampionsText.h"
#include "shell/Globals.h"
#include "support/ModalDriver.h"
#include "support/Probe.h"
#include "support/TestMain.h"
#include "support/Window.h"

#include <QMessageBox>
#include <QSettings>

struct Record {
    const char* name;
    const char* before; // the 5 x 5 slot's time, nullptr for none
    int seconds;
    const char16_t* typed; // "<cancel>" cancels the prompt
    bool prompted;
    const char16_t* kept; // "time/name" afterwards, as observe() shows it
};
Q_DECLARE_METATYPE(Record)

class TestChampions : public QObject {
    Q_OBJECT
private slots:
    void init() {
        clearUserStore();
        LangOffset = 0;
    }

    void records_data() {
        // clang-format off
        static const Record rows[] = {
            {"first win", nullptr, 57, u"Anna", true, u"57/Anna"},
            {"faster", "57", 56, u"Bo", true, u"56/Bo"},
            {"a tie keeps the champion", "57", 57, u"Bo", false, u"57/"},
            {"slower", "57", 58, u"Bo", false, u"57/"},
            {"0 seconds never", nullptr, 0, u"Bo", false, u"-/-"},
            {"9999 on an empty slot", nullptr, 9999, u"Bo", false, u"-/-"},
            {"9998 on an empty slot", nullptr, 9998, u"Bo", true, u"9998/Bo"},
            {"cancel keeps the time", nullptr, 12, u"<cancel>", true, u"12/"},
            {"blanks trimmed", nullptr, 12, u"   Carla  ", true, u"12/Carla"},
            {"blanks only", nullptr, 12, u"     ", true, u"12/"},
            {"25 characters cut to 20", nullptr, 12, u"abcdefghijklmnopqrstuvwxy", true, u"12/abcdefghijklmnopqrst"},
            {"characters, not bytes", nullptr, 12, u"ÄÖÜäöüßÄÖÜäöüßÄÖÜäöüßÄÖÜ", true, u"12/ÄÖÜäöüßÄÖÜäöüßÄÖÜäöü"},
            {"an emoji kept whole", nullptr, 12, u"abcdefghijklmnopqrs\U0001F600xyz", true, u"12/abcdefghijklmnopqrs\U0001F600"},
        };
        // clang-format on
        addRows(rows, [](const Record& r) { return QString::fromLatin1(r.name); });
    }
    void records() {
        QFETCH(Record, row);
        LoadedWindow w;
        if (row.before) {
            store(u"Highscore/5"_s, QLatin1String(row.before));
            store(u"Highscore/Name5"_s, QString());
        }
        QStringList seen;
        ModalDriver driver(answer::all(2, &seen, QString::fromUtf16(row.typed)));
        w.form->GameSeconds = row.seconds;
        w.form->WriteHighScore();
        QCOMPARE(seen, row.prompted ? QStringList{u"prompt:Glückwunsch!|Bitte gib deinen Namen ein!"_s}
                                    : QStringList());
        const QString kept = u"best5="_s + QString::fromUtf16(row.kept);
        QCOMPARE(observe(*w.form, kept), kept);
        QCOMPARE(QSettings(u"Mirvel"_s, u"Mirvel"_s).allKeys().filter(u"Highscore/"_s).size(),
                 kept.contains(u"-/-"_s) ? 0 : 2);
    }

    void storedTimeThatIsNoNumber() {
        LoadedWindow w;
        store(u"Highscore/5"_s, u"fast"_s);
        QStringList seen;
        ModalDriver driver(answer::all(2, &seen));
        w.form->GameSeconds = 30;
        w.form->WriteHighScore();
        QCOMPARE(seen, QStringList{u"13 (Type mismatch)|frmMirvel|WriteHighScore|1"_s});
        QCOMPARE(observe(*w.form, u"best5"_s), u"best5=fast/-"_s); // nothing written
    }

    void listText() {
        const QMap<QString, QString> entries = {{u"4"_s, u"57"_s}, {u"Name4"_s, u"Anna"_s},
                                                {u"8"_s, u"1200"_s}, {u"Name8"_s, u""_s}};
        const QString text = championsListText(u"Teile"_s, u"Zeit (s)"_s, u"Name"_s,
                                               [&](const QString& key, const QString& fallback) {
                                                   return entries.value(key, fallback);
                                               });
        QCOMPARE(text, u"Teile\tZeit (s)\tName\r\n==============================\r\n"
                       "3 x 3\t-\t-\r\n4 x 4\t57\tAnna\r\n5 x 5\t-\t-\r\n6 x 6\t-\t-\r\n"
                       "7 x 7\t-\t-\r\n8 x 8\t1200\t\r\n"_s);
    }

    void listShownInAMessageBox() {
        LoadedWindow w;
        store(u"Highscore/6"_s, u"99"_s);
        store(u"Highscore/Name6"_s, u"Tab\there\r\nand a line"_s); // shown as stored
        QStringList seen;
        ModalDriver driver(answer::all(2, &seen));
        w.form->mnuHighScore_Click();
        LangOffset = 3000;
        w.form->mnuHighScore_Click();
        const QString rule = QString(30, u'=');
        const QString sizes = u"3 x 3\t-\t-\r\n4 x 4\t-\t-\r\n5 x 5\t-\t-\r\n6 x 6\t99\tTab\there\r\n"
                              "and a line\r\n7 x 7\t-\t-\r\n8 x 8\t-\t-\r\n"_s;
        QCOMPARE(seen, (QStringList{u"box:Mirvel Champions|Teile\tZeit (s)\tName\r\n"_s + rule + u"\r\n"_s + sizes,
                                    u"box:Campioni di Mirvel|Parti\tSecondi\tNome\r\n"_s + rule + u"\r\n"_s + sizes}));
        QMessageBox* box = nullptr;
        ModalDriver look([&](QWidget* m) {
            box = qobject_cast<QMessageBox*>(m);
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->buttons().size(), 1);
            box->accept();
        });
        w.form->mnuHighScore_Click();
        QVERIFY(box);
    }

    void twoProgramsRecordingAtOnce() {
        LoadedWindow w; // makes the store's folder
        QTemporaryDir folder;
        QProcess a, b;
        for (auto [p, n] : {std::pair{&a, "3"}, std::pair{&b, "4"}}) {
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
            p->setProcessEnvironment(env);
            p->start(QStringLiteral(MIRVEL_PROBE), {u"record"_s, folder.path(), QLatin1String(n), u"40"_s});
        }
        QVERIFY(a.waitForFinished(60000) && b.waitForFinished(60000));
        QCOMPARE(a.exitCode() + b.exitCode(), 0);
        QCOMPARE(observe(*w.form, u"best3;best4"_s), u"best3=1/p3;best4=1/p4"_s);
    }
};

MIRVEL_TEST_MAIN(TestChampions)
#include "tst_champions.moc"
