// Guards the about box, row by row of tests/data/about.tsv: its start counter, its homepage
// link, and its flags, which switch the box at once and the window after it.

#include "support/Window.h"

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    void box_data() { addTableRows(u"about"_s); }
    void box() {
        QFETCH(Row, row);
        runScenario(row);
    }
};

MIRVEL_TEST_MAIN(TestAbout)
#include "tst_about.moc"
