// Guards the options file: how a value is read and what the start-up does with it, and the
// writer that keeps every other line as it was (written whole or not at all: tst_files).

#include "shell/PrivateProfile.h"
#include "support/Scenario.h"

class TestOptions : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    void reading_data() { addTableRows(u"options-reading"_s); }
    void reading() {
        QFETCH(Row, row);
        const QString ini = row["file"].contains(u'[') ? row["file"] : u"[Optionen]\n"_s + row["file"];
        QCOMPARE(PrivateProfile::readInt(ini.toUtf8(), "Optionen", row["key"].toUtf8(), -99), row["read"].toLongLong());
        // Answered with "Cancel" and with "Ignore": the program goes on either way.
        runScenario({{u"ini"_s, ini}, {u"expected"_s, u"reports="_s + row["report"] + u';' + row["window"]}});
        runScenario({{u"ini"_s, ini}, {u"script"_s, u"answer=1"_s}, {u"expected"_s, u"reports="_s + row["report"]}});
    }
};

MIRVEL_TEST_MAIN(TestOptions)
#include "tst_options.moc"
