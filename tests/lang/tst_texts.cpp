// Holds every text the program shows, byte for byte, in all four languages: the string table,
// the texts the language menu puts on the main window, the built-in captions of the menus,
// the about box, the error dialog and the help viewer. A one-letter change anywhere fails here.

#include "about/frmInfo.h"
#include "errors/ErrPtnr.h"
#include "errors/Procedure.h"
#include "help/HelpTexts.h"
#include "lang/StringTable.h"
#include "shell/Globals.h"
#include "support/ModalDriver.h"
#include "support/TestMain.h"
#include "support/Window.h"

#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

struct Texts {
    int id;
    const char* text[4]; // German, English, Swedish, Italian
};
// clang-format off
const Texts Table[] = {
    {137, {"&Start", "&Start", "&Starta", "&Inizio"}},
    {122, {"&Email an Kelmsoft...", "&E-Mail to Kelmsoft...", "&E-Post till Kelmsoft...", "&Posta elettronica a Kelmsoft"}},
    {115, {"Be&enden", "&End game", "Sl&uta", "&Finire"}},
    {114, {"&Champions anzeigen...", "&Show champions", "&Visa champions lista", "&Mostrare il campione"}},
    {120, {"&Hilfe", "&Help", "&Hjälp", "&Aiuto"}},
    {121, {"&Onlinehilfe", "&Online help", "&Onlinehjälp", "&Aiuto diretto"}},
    {116, {"&Optionen", "&Options", "&Inställningar", "&Opzione"}},
    {148, {"&Teile", "&Pieces", "&Delar", "&Parti"}},
    {152, {"&Bild", "&Picture", "&Tavla", "&Foto"}},
    {118, {"&Hintergrundmusik", "&Play music", "&Bakgrundsmusik", "&Musica di sottofondo"}},
    {149, {"&Keine", "&Off", "&Ingen", "Nessuna"}},
    {133, {"&Einmal", "&Once", "En &gång", "&Una volta"}},
    {134, {"En&dlos", "&Loop", "&Endlös", "&Senza fine"}},
    {119, {"&Geräuscheffekte", "&Sound effects", "&Ljudeffekter", "&Rumori di effetto"}},
    {113, {"&Spiel", "&Game", "&Spel", "&Gioco"}},
    {138, {"&Sprache", "&Language", "&Språk", "&Lingua"}},
    {123, {"&Über...", "&About...", "&Info...", "&Sopra..."}},
    {110, {"Spiel starten", "Start game", "Starta spel", "Iniziare il Gioco"}},
    {111, {"Spiel beenden", "End game", "Sluta spel", "Finire il Gioco"}},
    {126, {"Bitte gib deinen Namen ein!", "Please enter your name!", "Skriv ditt nam!", "Nome del giocatore:"}},
    {127, {"Mirvel Champions", "Mirvel Champions", "Mirvel Champions", "Campioni di Mirvel"}},
    {128, {"Glückwunsch!", "Congratulations!", "Det var jättebra!", "Gratulazione!"}},
    {144, {"Name", "Name", "Nam", "Nome"}},
    {145, {"Zeit (s)", "Time (s)", "Tid (s)", "Secondi"}},
    {147, {"Teile", "Pieces", "Delar", "Parti"}},
    {102, {"Weitere Informationen siehe liesmich.txt!", "For more information see readme.txt!", "För ytterligare information läs readme.txt!", "Altre informazioni vedi in readme.txt!"}},
    {103, {"TOVA-Programm-Nummer KLV_106", "TOVA progam number KLV_106", "TOVA program nummer KLV_106", "TOVA-Programma-Nummero KLV_106"}},
};

// The menu bar of a window not yet given its language: name, caption, [x] for a check mark.
const char* const BuiltIn =
    "mnuSpiel:&Spiel|.mnuStart:&Start|.mnuHighScore:&Champions anzeigen...|.mnuBar1:-|"
    ".mnuEnde:Be&enden|mnuOptionen:&Optionen|.mnuTeile:&Teile|..mnuSize:&3 x 3|..mnuSize:&4 x 4|"
    "..mnuSize:&5 x 5[x]|..mnuSize:&6 x 6|..mnuSize:&7 x 7|..mnuSize:&8 x 8|.mnuBar5:-|"
    ".mnuBilder:&Bild|..mnuBild:&1|..mnuBild:&2|..mnuBild:&3|.mnubar2:-|.mnuSprache:&Sprache|"
    "..mnuLang:&Deutsch[x]|..mnuLang:&English|..mnuLang:&Svenska|..mnuLang:&Italiano|.mnuBar3:-|"
    ".mnuPlaySounds:&Geräusche[x]|.mnuPlayMusic:&Hintergrundmusik|..mnuMusic:&keine|"
    "..mnuMusic:&einmal[x]|..mnuMusic:end&los|mnuHilfe:&Hilfe|.mnuOnlinehilfe:Online&hilfe|"
    ".mnuBar4:-|.mnuHomepage:&Kelmsoft's Homepage...|.mnuEMail:&E-Mail an Kelmsoft...|"
    ".mnuBar6:-|.mnuUeber:&Über...|tips:Spiel starten,Spiel beenden";

// The help viewer's own words, in the order of HelpText.
const char* const HelpWords[][4] = {
    {"Die Hilfedatei konnte nicht geöffnet werden:", "The help file could not be opened:",
     "Hjälpfilen kunde inte öppnas:", "Impossibile aprire il file della guida:"},
    {"Seite nicht gefunden", "Page not found", "Sidan hittades inte", "Pagina non trovata"},
    {"Zurück", "Back", "Bakåt", "Indietro"},
    {"Vorwärts", "Forward", "Framåt", "Avanti"},
    {"Inhalt", "Contents", "Innehåll", "Sommario"},
};

// What a screen reader is told of a tile and of the gap, by language.
const char* const TileNames[][2] = {
    {"Teil %1", "Leeres Feld"}, {"Tile %1", "Empty cell"}, {"Bricka %1", "Tom ruta"}, {"Tessera %1", "Casella vuota"}};

// The error dialog's captions, by control.
const char* const ErrorDialog[][2] = {
    {"ErrPtnr", "Fehler / Error! "},
    {"framFehler", "Fehlerbeschreibung / error description:"},
    {"framProgInfo", "Programm-Info:"},
    {"framProtocol", "Fehlerprotokoll ... / error protocoll..."},
    {"framContinue", "Weiterer Programmablauf... / Continue..."},
    {"lblErrTitel(0)", "Fehler-Nr / error :"}, {"lblErrTitel(1)", "Modul:"},
    {"lblErrTitel(2)", "Prozedur / procedure:"}, {"lblErrTitel(3)", "Zeile / Line:"},
    {"cmdProtocol(0)", "&Drucken/Print"}, {"cmdProtocol(1)", "&Speichern/Save"},
    {"cmdProtocol(2)", "&EMail"}, {"cmdProtocol(3)", "&WWW"},
    {"cmdContinue(0)", "Wieder&holen Retry"}, {"cmdContinue(1)", "&Ignorieren   Ignore"},
    {"cmdContinue(2)", "&Abbrechen Cancel"}, {"cmdContinue(3)", "&Beenden       End"},
    {"lblComment", "There is a problem. Please contact the author if this problem appears again.\r\n"
                   "Es liegt ein Problem vor, mit dem Sie sich an den technischen Support wenden sollten, falls es wiederholt auftritt."},
};
// clang-format on

// The main window's texts in the order the language is applied (the ids of the first 19 rows).
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
        QCOMPARE(parseStringTable(file.readAll()).size(), 4 * int(std::size(Table))); // no others
        for (const Texts& row : Table)
            for (int lang = 0; lang < 4; ++lang)
                QCOMPARE(LoadResString(lang * 1000 + row.id), QString::fromUtf8(row.text[lang]));
        QCOMPARE(errorOf([] { LoadResString(9999); }), 326);
    }

    void languageMenuPutsTheTextsOnTheWindow_data() {
        QTest::addColumn<int>("lang");
        for (int lang : {1, 2, 3, 0})
            QTest::newRow(Table[14].text[lang]) << lang;
    }
    void languageMenuPutsTheTextsOnTheWindow() {
        QFETCH(int, lang);
        LoadedWindow w;
        play(*w.form, u"lang%1"_s.arg(lang));
        QStringList expected;
        for (int i = 0; i < 19; ++i)
            expected.append(QString::fromUtf8(Table[i].text[lang]));
        QCOMPARE(windowTexts(*w.form), expected);
        QCOMPARE(w.form->mnuHomepage->text(), u"&Kelmsoft's Homepage..."_s); // in every language
        for (int b : {0, 1}) // the picture buttons are named by their tips
            QCOMPARE(QAccessible::queryAccessibleInterface(w.form->PicBut[b])->text(QAccessible::Name),
                     expected[17 + b]);
        play(*w.form, u"p23"_s);
        const QString names = u"name0=%1;name23=%2"_s.arg(QString::fromUtf8(TileNames[lang][0]).arg(1),
                                                          QString::fromUtf8(TileNames[lang][1]));
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
        QCOMPARE(menus.join(u'|'), QString::fromUtf8(BuiltIn));
    }

    void aboutBox() {
        LoadedWindow w;
        frmInfo box;
        QCOMPARE(box.Label[3]->text() + u'|' + box.Label[4]->text(),
                 QString::fromUtf8(Table[25].text[0]) + u'|' + QString::fromUtf8(Table[26].text[0]));
        box.Form_Load();
        QStringList shown = {box.windowTitle(), box.Label[0]->text(), box.Label[2]->text(), box.lblHomepage->text(),
                             box.ok->text()};
        for (QLabel* flag : box.imgLang)
            shown.append(flag->toolTip());
        QCOMPARE(shown.join(u'|'), u"Mirvel|Mirvel   2.0.203|Freeware|https://www.kelmsoft.example/|"
                                   "&OK|Deutsch|English|Svenska|Italiano"_s);
    }

    void errorDialog() {
        ModalDriver driver(answer::all(1));
        Procedure p("M", "P");
        p.run({[] { raiseError(ErrNo::Overflow); }});
        ErrPtnr& dialog = ErrPtnr::instance();
        for (const auto& [name, caption] : ErrorDialog) {
            QObject* o = QLatin1String(name) == "ErrPtnr" ? &dialog : dialog.findChild<QObject*>(name);
            QVERIFY2(o, name);
            QCOMPARE(captionOf(o), QString::fromUtf8(caption));
        }
    }

    // The help window shows these (tested in the links test); another language gets English.
    void helpViewer() {
        const char* languages[] = {"de", "en", "sv", "it", "fr"};
        for (int which = 0; which < 5; ++which)
            for (int lang = 0; lang < 5; ++lang)
                QCOMPARE(helpText(QLatin1String(languages[lang]), HelpText(which)),
                         QString::fromUtf8(HelpWords[which][lang < 4 ? lang : 1]));
    }
};

MIRVEL_TEST_MAIN(TestTexts)
#include "tst_texts.moc"
