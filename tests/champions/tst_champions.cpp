// Guards the champions list: which wins are records, what is kept of the name, the list as shown
// in each language (rows of champions.tsv), and another copy recording meanwhile (two copies
// writing at the same moment: tst_files).

#include "support/Scenario.h"

class TestChampions : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

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
