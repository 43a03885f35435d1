// Guards what a start-up makes of the window: each option as the options file gives it (the writer
// that keeps every other line as it was: tst_logic; written whole or not at all: tst_files), and
// the built-in captions of the menus against tests/data/texts.tsv. Where else the texts show is
// checked by the rows of texts-shown.tsv, tst_links and tst_errptnr: a one-letter change fails one.

#include "shell/PrivateProfile.h"
#include "support/Scenario.h"

#include <QMenuBar>

namespace {
void describe(const QMenu* menu, const QString& depth, QStringList& out) {
    for (QAction* a : menu->actions()) {
        out.append(depth + (a->menu() ? a->menu()->objectName() : a->objectName()) + u':' +
                   (a->isSeparator() ? u"-"_s : a->text()) + (a->isChecked() ? u"[x]"_s : u""_s));
        if (a->menu())
            describe(a->menu(), depth + u'.', out);
    }
}
} // namespace

class TestStartUp : public QObject {
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

    void builtInCaptions() {
        frmMirvel f;
        QStringList menus;
        for (QAction* top : f.menuBar()->actions()) {
            menus.append(top->menu()->objectName() + u':' + top->text());
            describe(top->menu(), u"."_s, menus);
        }
        menus.append(u"tips:"_s + f.PicBut[0]->toolTip() + u',' + f.PicBut[1]->toolTip());
        QCOMPARE(menus.join(u'|'), texts::text(u"menus"_s));
    }
};

MIRVEL_TEST_MAIN(TestStartUp)
#include "tst_startup.moc"
