// Plays the scenario rows of the table named by MIRVEL_TABLE (tests/data/README.md): what a
// player does on the real widgets, and what the window and its dialogs then show.

#include "support/Window.h"

class TestScenarios : public QObject {
    Q_OBJECT
private slots:
    void init() {
        clearUserStore();
        LangOffset = 0;
    }

    void rows_data() { addTableRows(qEnvironmentVariable("MIRVEL_TABLE")); }
    void rows() {
        QFETCH(Row, row);
        runScenario(row);
    }
};

MIRVEL_TEST_MAIN(TestScenarios)
#include "tst_scenarios.moc"
