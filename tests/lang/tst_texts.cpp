// Checks every text of tests/data/texts.tsv where the program shows it: the string table, the
// texts the language menu puts on the main window and tells a screen reader and the error
// dialog's (texts-shown.tsv), the built-in captions of the menus, the about box. A one-letter
// change fails here (the help window's and the protocol buttons' messages fail in tst_links and
// tst_protocol).

#include "about/frmInfo.h"
#include "lang/StringTable.h"
#include "support/Window.h"

#include <QMenuBar>

using texts::tableText;
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

    void stringTable() {
        QFile file(u":/strings/strings.txt"_s);
        QVERIFY(file.open(QIODevice::ReadOnly));
        int ids = 0;
        for (const QStringList& row : table(u"texts"_s).rows) {
            bool numeric = false;
            const int id = row[0].toInt(&numeric);
            for (int lang = 0; numeric && lang < 4; ++lang)
                QCOMPARE(LoadResString(lang * 1000 + id), text(row[0], lang));
            ids += numeric;
        }
        QCOMPARE(parseStringTable(file.readAll()).size(), 4 * ids); // no others
        QCOMPARE(errorOf([] { LoadResString(9999); }), 326);
    }

    void shown_data() { addTableRows(u"texts-shown"_s); }
    void shown() {
        QFETCH(Row, row);
        runScenario(row);
    }

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

    void aboutBox() {
        LoadedWindow w;
        frmInfo box;
        QCOMPARE(box.Label[3]->text() + u'|' + box.Label[4]->text(), tableText(102) + u'|' + tableText(103));
        box.Form_Load();
        QStringList shown = {box.windowTitle(), box.Label[0]->text(), box.Label[2]->text(), box.lblHomepage->text(),
                             box.ok->text()};
        for (QLabel* flag : box.imgLang)
            shown.append(flag->toolTip());
        QCOMPARE(shown.join(u'|'), text(u"about"_s));
    }
};

MIRVEL_TEST_MAIN(TestTexts)
#include "tst_texts.moc"
