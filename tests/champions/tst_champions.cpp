// Guards the champions list: which wins are records, what is kept of the name, the list as shown
// in each language, and two programs recording at the same moment.

#include "support/ProgramTexts.h"
#include "support/TestMain.h"
#include "support/Window.h"

#include <QMessageBox>
#include <QSettings>

struct Record {
    const char* name;
    const char16_t* before; // the 5 x 5 slot's time, nullptr for none
    int seconds;
    const char16_t* typed; // "<cancel>" cancels the prompt
    const char16_t* kept;  // "time/name" afterwards, as observe() shows it
    const char16_t* seen;  // the window shown: p for the name prompt
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
            {"first win", nullptr, 57, u"Anna", u"57/Anna", u"p"},
            {"faster", u"57", 56, u"Bo", u"56/Bo", u"p"},
            {"a tie keeps the champion", u"57", 57, u"Bo", u"57/", u""},
            {"slower", u"57", 58, u"Bo", u"57/", u""},
            {"0 seconds never", nullptr, 0, u"Bo", u"-/-", u""},
            {"9999 on an empty slot", nullptr, 9999, u"Bo", u"-/-", u""},
            {"9998 on an empty slot", nullptr, 9998, u"Bo", u"9998/Bo", u"p"},
            {"cancel keeps the time", nullptr, 12, u"<cancel>", u"12/", u"p"},
            {"blanks trimmed", nullptr, 12, u"   Carla  ", u"12/Carla", u"p"},
            {"blanks only", nullptr, 12, u"     ", u"12/", u"p"},
            {"25 characters cut to 20", nullptr, 12, u"abcdefghijklmnopqrstuvwxy", u"12/abcdefghijklmnopqrst", u"p"},
            {"characters, not bytes", nullptr, 12, u"ÄÖÜäöüßÄÖÜäöüßÄÖÜäöüßÄÖÜ", u"12/ÄÖÜäöüßÄÖÜäöüßÄÖÜäöü",
             u"p"},
            {"an emoji kept whole", nullptr, 12, u"abcdefghijklmnopqrs\U0001F600xyz",
             u"12/abcdefghijklmnopqrs\U0001F600", u"p"},
            {"a stored time that is no number", u"fast", 30, u"Bo", u"fast/",
             u"13 (Type mismatch)|frmMirvel|WriteHighScore|1"},
        };
        // clang-format on
        addRows(rows);
    }
    void records() {
        QFETCH(Record, row);
        LoadedWindow w;
        if (row.before) {
            store(u"Highscore/5"_s, QString::fromUtf16(row.before));
            store(u"Highscore/Name5"_s, QString());
        }
        QStringList seen;
        ModalDriver driver(answer::all(2, &seen, QString::fromUtf16(row.typed)));
        w.form->GameSeconds = row.seconds;
        w.form->WriteHighScore();
        const QString prompt = u"prompt:"_s + texts::tableText(128) + u'|' + texts::tableText(126);
        QCOMPARE(seen.join(u';'), row.seen == u"p"_s ? prompt : QString::fromUtf16(row.seen));
        const QString kept = u"best5="_s + QString::fromUtf16(row.kept);
        QCOMPARE(observe(*w.form, kept), kept);
        QCOMPARE(QSettings(u"Mirvel"_s, u"Mirvel"_s).allKeys().filter(u"Highscore/"_s).size(),
                 kept.contains(u"-/-"_s) ? 0 : 2);
    }

    void listShownInAMessageBox() {
        LoadedWindow w;
        store(u"Highscore/4"_s, u"57"_s);
        store(u"Highscore/Name4"_s, u"Anna"_s);
        store(u"Highscore/6"_s, u"99"_s);
        store(u"Highscore/Name6"_s, u"Tab\there\r\nand a line"_s); // shown as stored
        QStringList seen;
        ModalDriver driver(answer::all(2, &seen));
        w.form->mnuHighScore_Click();
        LangOffset = 3000;
        w.form->mnuHighScore_Click();
        const QString rule = u"\r\n"_s + QString(30, u'=') + u"\r\n"_s;
        const QString sizes = u"3 x 3\t-\t-\r\n4 x 4\t57\tAnna\r\n5 x 5\t-\t-\r\n6 x 6\t99\tTab\there\r\n"
                              "and a line\r\n7 x 7\t-\t-\r\n8 x 8\t-\t-\r\n"_s;
        const auto heading = [](int lang) {
            using texts::tableText;
            return u"box:%1|%2\t%3\t%4"_s.arg(tableText(127, lang), tableText(147, lang), tableText(145, lang),
                                              tableText(144, lang));
        };
        QCOMPARE(seen, (QStringList{heading(0) + rule + sizes, heading(3) + rule + sizes}));
        bool looked = false;
        ModalDriver look([&](QWidget* m) {
            auto* box = qobject_cast<QMessageBox*>(m);
            looked = box->icon() == QMessageBox::NoIcon && box->buttons().size() == 1;
            box->accept();
        });
        w.form->mnuHighScore_Click();
        QVERIFY(looked);
    }

    void twoProgramsRecordingAtOnce() {
        LoadedWindow w; // makes the store's folder
        QTemporaryDir folder;
        QProcess a, b;
        for (auto [p, n] : {std::pair{&a, "3"}, std::pair{&b, "4"}})
            p->start(QStringLiteral(MIRVEL_PROBE), {u"record"_s, folder.path(), QLatin1String(n), u"40"_s});
        QVERIFY(a.waitForFinished(60000) && b.waitForFinished(60000));
        QCOMPARE(a.exitCode() + b.exitCode(), 0);
        QCOMPARE(observe(*w.form, u"best3;best4"_s), u"best3=1/p3;best4=1/p4"_s);
    }
};

MIRVEL_TEST_MAIN(TestChampions)
#include "tst_champions.moc"
