// Guards the champions list: which wins are records, what is kept of the name, the list as shown
// in each language, and two programs recording at the same moment.

#include "support/ProgramTexts.h"
#include "support/Table.h"
#include "support/TestMain.h"
#include "support/Window.h"

#include <QMessageBox>
#include <QSettings>

class TestChampions : public QObject {
    Q_OBJECT
private slots:
    void init() {
        clearUserStore();
        LangOffset = 0;
    }

    void records_data() { addTableRows(u"champions"_s); }
    void records() {
        QFETCH(Row, row);
        LoadedWindow w;
        if (row["before"] != u"-") {
            store(u"Highscore/5"_s, row["before"]);
            store(u"Highscore/Name5"_s, QString());
        }
        QStringList shown;
        ModalDriver driver(answer::all(2, &shown, row["typed"]));
        w.form->GameSeconds = row["seconds"].toInt();
        w.form->WriteHighScore();
        const QString prompt = u"prompt:"_s + texts::tableText(128) + u'|' + texts::tableText(126);
        QCOMPARE(shown.join(u';'), row["seen"] == u"prompt" ? prompt : row["seen"]);
        row["kept"] = u"best5="_s + row["kept"];
        QCOMPARE(observe(*w.form, row["kept"]), row["kept"]);
        QCOMPARE(QSettings(u"Mirvel"_s, u"Mirvel"_s).allKeys().filter(u"Highscore/"_s).size(),
                 row["kept"].contains(u"-/-"_s) ? 0 : 2);
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
