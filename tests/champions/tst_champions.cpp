// Guards the champions list: which wins are records, what is kept of the name, the list as shown
// in each language, and two programs recording at the same moment.

#include "support/TestMain.h"
#include "support/Window.h"

#include <QProcess>

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
        runScenario(row);
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
