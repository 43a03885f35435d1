// Guards the champions list: which wins are records, what is kept of the name, the list as shown
// in each language, and two programs recording at the same moment or one after the other.

#include "support/Scenario.h"

#include <QProcess>

class TestChampions : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    void twoProgramsRecordingAtOnce() {
        Scenario s; // makes the store's folder
        QProcess a, b;
        a.start(QStringLiteral(MIRVEL_PROBE), {u"-"_s, u"name=p3 load size0 record40"_s, QString()});
        b.start(QStringLiteral(MIRVEL_PROBE), {u"-"_s, u"name=p4 load size1 record40"_s, QString()});
        QVERIFY(a.waitForFinished(60000) && b.waitForFinished(60000));
        QCOMPARE(a.exitStatus() + b.exitStatus() + a.exitCode() + b.exitCode(), 0); // neither crashed
        QCOMPARE(s.observe(u"best3;best4"_s), u"best3=1/p3;best4=1/p4"_s);
    }

    // Another copy stores a faster time while the name box is open, or just before the time is
    // written: the faster time keeps its own name, and the slower one asks for none.
    void aFasterTimeOfAnotherCopyWins() {
        Scenario s({}, u"name=Slow"_s);
        int prompts = 0;
        s.onShow = [&](QWidget*) {
            store(u"Highscore/5"_s, u"30"_s), store(u"Highscore/Name5"_s, u"Fast"_s), ++prompts;
        };
        s.play(u"secs50 record"_s);
        s.beforeStep = [](const char*, const char* procedure, int step) {
            if (qstrcmp(procedure, "WriteHighScore") == 0 && step == 3)
                store(u"Highscore/5"_s, u"20"_s);
        };
        s.play(u"secs25 record"_s);
        QCOMPARE(s.observe(u"best5"_s), u"best5=20/Fast"_s);
        QCOMPARE(prompts, 1);
    }
};

MIRVEL_TEST_MAIN(TestChampions)
#include "tst_champions.moc"
