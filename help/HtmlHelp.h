#pragma once
// The help file, shown in the program's own help window: the call the game has always made
// for its help, and the language the help starts in.

#include <QString>

class QWidget;

// Opens (or raises) the one help window at the start page of the help language; the game
// passes command 0 (display topic) with data 0 (the start page), the only call it makes. A file that
// cannot be opened is told in a warning on `owner`, and the program goes on.
void HtmlHelp(QWidget* owner, const QString& file, int command, int data);

// From the program's language offset: the start page is FOLDER/index.html, the language's help
// folder (lang/Language.h), when the file holds it.
void setHelpLanguage(int langOffset);
