// Checks every text of tests/data/texts.tsv where the program shows it: the string table, the
// texts the language menu puts on the main window, the built-in captions of the menus, the about
// box, the error dialog, the help viewer and the screen reader. A one-letter change fails here
// (the protocol buttons' messages fail in tst_protocol).

#include "about/frmInfo.h"
#include "errors/ErrPtnr.h"
#include "errors/Procedure.h"
#include "help/HelpTexts.h"
#include "lang/StringTable.h"
#include "support/Window.h"

#include <QAccessible>
#include <QMenuBar>

using texts::tableText;
using texts::text;

namespace {

// The ids of the main window's texts, in the order windowTexts() reads them.
const int WindowIds[] = {137, 122, 115, 114, 120, 121, 116, 148, 152, 118, 149, 133, 134, 119, 113, 138, 123, 110, 111};

QStringList windowTexts(const frmMirvel& f) {
    return {f.mnuStart->text(),    f.mnuEMail->text(),       f.mnuEnde->text(),      f.mnuHighScore->text(),
            f.mnuHilfe->title(),   f.mnuOnlinehilfe->text(), f.mnuOptionen->title(), f.mnuTeile->title(),
            f.mnuBilder->title(),  f.mnuPlayMusic->title(),  f.mnuMusic[0]->text(),  f.mnuMusic[1]->text(),
            f.mnuMusic[2]->text(), f.mnuPlaySounds->text(),  f.mnuSpiel->title(),    f.mnuSprache->title(),
            f.mnuUeber->text(),    f.PicBut[0]->toolTip(),   f.PicBut[1]->toolTip()};
}

void describe(const QMenu* menu, const QString& depth, QStringList& out) {
    for (QAction* a : menu->actions()) {
        out.append(depth + (a->menu() ? a->menu()->objectName() : a->objectName()) + u':' +
                   (a->isSeparator() ? u"-"_s : a->text()) + (a->isChecked() ? u"[x]"_s : u""_s));
        if (a->menu())
            describe(a->menu(), depth + u'.', out);
    }
}

QString captionOf(QObject* o) {
    if (auto* frame = qobject_cast<QGroupBox*>(o))
        return frame->title();
    if (auto* label = qobject_cast<QLabel*>(o))
        return label->text();
    if (auto* button = qobject_cast<QPushButton*>(o))
        return button->text();
    return static_cast<QWidget*>(o)->windowTitle();
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

    void languageMenuPutsTheTextsOnTheWindow_data() {
        QTest::addColumn<int>("lang");
        for (int lang : {1, 2, 3, 0})
            QTest::newRow(qPrintable(tableText(113, lang))) << lang;
    }
    void languageMenuPutsTheTextsOnTheWindow() {
        QFETCH(int, lang);
        LoadedWindow w;
        play(*w.form, u"lang%1"_s.arg(lang));
        QStringList expected;
        for (int id : WindowIds)
            expected.append(tableText(id, lang));
        QCOMPARE(windowTexts(*w.form), expected);
        QCOMPARE(w.form->mnuHomepage->text(), text(u"homepage"_s)); // in every language
        for (int b : {0, 1})                                        // the picture buttons are named by their tips
            QCOMPARE(QAccessible::queryAccessibleInterface(w.form->PicBut[b])->text(QAccessible::Name),
                     expected[17 + b]);
        play(*w.form, u"p23"_s);
        const QString names = u"name0=%1;name23=%2"_s.arg(text(u"tile"_s, lang).arg(1), text(u"gap"_s, lang));
        QCOMPARE(observe(*w.form, names), names);
        play(*w.form, u"p24"_s);
        const QString state = u"lang=%1;offset=%2"_s.arg(lang).arg(lang * 1000);
        QCOMPARE(observe(*w.form, state), state);
        QVERIFY(w.ini().contains("Sprache=" + rt::Str(lang * 1000).toLatin1() + '\n'));
        // The language already in use: the same texts and the same stored value again.
        const QByteArray before = w.ini();
        play(*w.form, u"lang%1"_s.arg(lang));
        QCOMPARE(windowTexts(*w.form), expected);
        QCOMPARE(w.ini(), before);
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

    // The rows named after the dialog or one of its controls.
    void errorDialog() {
        ModalDriver driver(answer::all(1));
        Procedure p("M", "P");
        p.run({[] { raiseError(ErrNo::Overflow); }});
        ErrPtnr& dialog = ErrPtnr::instance();
        int captions = 0;
        for (const QStringList& row : table(u"texts"_s).rows) {
            QObject* o = row[0] == u"ErrPtnr"_s ? &dialog : dialog.findChild<QObject*>(row[0]);
            if (o && ++captions)
                QCOMPARE(captionOf(o), row[1]);
        }
        QCOMPARE(captions, 18);
    }

    // The help window shows these (tested in the links test); another language gets English.
    void helpViewer() {
        const char* languages[] = {"de", "en", "sv", "it", "fr"};
        const char* keys[] = {"help.CannotOpen", "help.NotFound", "help.Back", "help.Forward", "help.Contents"};
        for (int which = 0; which < 5; ++which)
            for (int lang = 0; lang < 5; ++lang)
                QCOMPARE(helpText(QLatin1String(languages[lang]), HelpText(which)),
                         text(QLatin1String(keys[which]), lang < 4 ? lang : 1));
    }
};

MIRVEL_TEST_MAIN(TestTexts)
#include "tst_texts.moc"
