// Plays the rows of one scenario table (tests/data/README.md): what a player does on the real
// widgets, and what the window and its dialogs then show. The table is named by the first
// argument, or by MIRVEL_TABLE:  tst_scenarios play [QTest's own arguments]

#include "support/Scenario.h"

namespace {
QString g_table; // which table this run plays, from the command line or the environment
}

class TestScenarios : public QObject {
    Q_OBJECT
private slots:
    void init() {
        clearUserStore();
        LangOffset = 0;
    }

    void rows_data() { addTableRows(g_table); }
    void rows() {
        QFETCH(Row, row);
        runScenario(row);
    }
};

int main(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    g_table = qEnvironmentVariable("MIRVEL_TABLE");
    if (argc > 1 && argv[1][0] != '-')
        g_table = QString::fromLocal8Bit(argv[1]), args.erase(args.begin() + 1);
    testenv::prepare();
    QApplication app(argc, argv);
    initResources();
    TestScenarios tc;
    testenv::end(QTest::qExec(&tc, int(args.size()), args.data()));
}

#include "tst_scenarios.moc"
