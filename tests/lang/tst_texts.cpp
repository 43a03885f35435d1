// Checks the string table and the built-in captions of the menus against tests/data/texts.tsv.
// Where else the texts show is checked by the rows of texts-shown.tsv (the window, the screen
// reader, the error dialog, the about box), tst_links (the help window) and tst_errptnr (the
// protocol buttons' messages): a one-letter change fails one of them.

#include "lang/StringTable.h"
#include "support/Scenario.h"

#include <QMenuBar>

using texts::text;

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

class TestTexts : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }

    void builtInCaptions() {
        frmMirvel f;
        QStringList menus;
        for (QAction* top : f.menuBar()->actions()) {
            menus.append(top->menu()->objectName() + u':' + top->text());
            describe(top->menu(), u"."_s, menus);
        }
        menus.append(u"tips:"_s + f.PicBut[0]->toolTip() + u',' + f.PicBut[1]->toolTip());
        QCOMPARE(menus.join(u'|'), text(u"menus"_s));
    }
};

MIRVEL_TEST_MAIN(TestTexts)
#include "tst_texts.moc"
