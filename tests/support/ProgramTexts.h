#pragma once
// Every text the program shows, byte for byte, in one place: the string table in its four
// languages, the built-in captions, the help viewer's and the screen reader's words, the error
// dialog's captions and the messages of its protocol buttons. The tests compare what the
// program shows with these; tst_texts checks that each is shown where it belongs.

#include <QString>

using namespace Qt::StringLiterals;

namespace texts {

struct Texts {
    int id;
    const char* text[4]; // German, English, Swedish, Italian
};
// clang-format off
inline const Texts Table[] = {
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
inline const char* const BuiltIn =
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
inline const char* const HelpWords[][4] = {
    {"Die Hilfedatei konnte nicht geöffnet werden:", "The help file could not be opened:",
     "Hjälpfilen kunde inte öppnas:", "Impossibile aprire il file della guida:"},
    {"Seite nicht gefunden", "Page not found", "Sidan hittades inte", "Pagina non trovata"},
    {"Zurück", "Back", "Bakåt", "Indietro"},
    {"Vorwärts", "Forward", "Framåt", "Avanti"},
    {"Inhalt", "Contents", "Innehåll", "Sommario"},
};

// What a screen reader is told of a tile and of the gap, by language.
inline const char* const TileNames[][2] = {
    {"Teil %1", "Leeres Feld"}, {"Tile %1", "Empty cell"}, {"Bricka %1", "Tom ruta"}, {"Tessera %1", "Casella vuota"}};

// The error dialog's captions, by control.
inline const char* const ErrorDialog[][2] = {
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

// The program's own messages of the protocol buttons; %1 is the file's path.
inline const QString NoPrinter = u"Es ist kein Drucker verfügbar.\r\nNo printer is available."_s;
inline const QString Overwrite = u"Vorhandene Datei '%1' überschreiben?\r\nOverwrite file '%1' ?"_s;
inline const QString Written = u"Das Fehlerprotokoll wurde in die Datei '%1' geschrieben!\r\n"
                               "Error protocoll was written to file '%1'!"_s;
inline const QString NotWritten = u"Das Fehlerprotokoll konnte nicht in die Datei '%1' geschrieben werden!\r\n"
                                  "Error protocoll could not be written to file '%1'!"_s;
inline const QString EMailNotice =
    u"Es wird jetzt Ihr Standard-Email-Programm aufgerufen. Die Fehlerbeschreibung sowie das Fehlerprotokoll\r\n"
    "wurden zu Ihrer Bequemlichkeit in die Zwischenablage kopiert.\r\n\r\n"
    "Bitte fügen Sie den Inhalt der Zwischenablage in Ihre Email ein, indem Sie in Ihrem Email-Programm\r\n"
    "die Tasten [Strg] und [Einfg] gleichzeitig betätigen. Alternativ können Sie den Inhalt in die EMail\r\n"
    "einfügen, indem Sie den Befehl 'Einfügen' aus dem Menü 'Bearbeiten' ausführen.\r\n\r\n\r\n"
    "Your email application will be started. The error description will be copied to the clipboard.\r\n\r\n"
    "Please insert the contents of the clipboard into the message body by using Ctrl + V or \r\n"
    "use the menu or toolbar command of your email program. "_s;

// The string table's text `id` in language `lang` (0 German, 1 English, 2 Swedish, 3 Italian).
inline QString tableText(int id, int lang = 0) {
    for (const Texts& row : Table)
        if (row.id == id)
            return QString::fromUtf8(row.text[lang]);
    return u"(no text %1)"_s.arg(id);
}

} // namespace texts
