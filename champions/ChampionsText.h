#pragma once
// The champions list's rules, free of widgets and of the store.

#include <QString>
#include <functional>

// Whether a game won in `seconds` beats the stored time (an empty slot stores 9999): only a
// strictly shorter game that took at least one second.
bool isNewRecord(long seconds, double storedSeconds);

// A champion's name as stored: blanks trimmed at both ends, cut to 20 characters.
QString championName(const QString& entered);

// The list as the message box shows it: heading, a rule of 30 "=", then one line per grid
// size 3..8 with the stored time and name ("-" where none), every line ending in CR LF.
// `stored(key, default)` reads the store's "Highscore" section.
QString championsListText(const QString& piecesHeading, const QString& timeHeading, const QString& nameHeading,
                          const std::function<QString(const QString&, const QString&)>& stored);
