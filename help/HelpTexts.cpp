#include "help/HelpTexts.h"

#include <QStringList>

QString helpText(const QString& language, HelpText which) {
    static const QStringList languages{QStringLiteral("de"), QStringLiteral("en"), QStringLiteral("sv"),
                                       QStringLiteral("it")};
    // One row a text, one column a language, in the order above.
    static const char* const texts[][4] = {
        {"Die Hilfedatei konnte nicht geöffnet werden:", "The help file could not be opened:",
         "Hjälpfilen kunde inte öppnas:", "Impossibile aprire il file della guida:"},
        {"Seite nicht gefunden", "Page not found", "Sidan hittades inte", "Pagina non trovata"},
        {"Zurück", "Back", "Bakåt", "Indietro"},
        {"Vorwärts", "Forward", "Framåt", "Avanti"},
        {"Inhalt", "Contents", "Innehåll", "Sommario"},
    };
    qsizetype column = languages.indexOf(language);
    if (column < 0)
        column = 1;
    return QString::fromUtf8(texts[int(which)][column]);
}
