#include "help/HelpTexts.h"

#include "lang/Language.h"

#include <algorithm>

QString helpText(const QString& language, HelpText which) {
    // One row a text, one column a language, in the order of the languages' table.
    static const char* const texts[][Languages.size()] = {
        {"Die Hilfedatei konnte nicht geöffnet werden:", "The help file could not be opened:",
         "Hjälpfilen kunde inte öppnas:", "Impossibile aprire il file della guida:"},
        {"Seite nicht gefunden", "Page not found", "Sidan hittades inte", "Pagina non trovata"},
        {"Zurück", "Back", "Bakåt", "Indietro"},
        {"Vorwärts", "Forward", "Framåt", "Avanti"},
        {"Inhalt", "Contents", "Innehåll", "Sommario"},
    };
    const auto it = std::find_if(Languages.begin(), Languages.end(),
                                 [&](const Language& l) { return language == QLatin1String(l.helpFolder); });
    return QString::fromUtf8(texts[int(which)][it == Languages.end() ? EnglishIndex : indexOf(*it)]);
}
