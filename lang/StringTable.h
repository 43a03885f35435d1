#pragma once
// The compiled-in string table: the user-interface texts by id. German texts carry the base
// ids; English, Swedish and Italian the base id plus 1000, 2000 and 3000.

#include <QByteArray>
#include <QHash>
#include <QString>

// Parses "id<TAB>text" lines; "#" lines and blank lines are skipped. Malformed lines are
// ignored rather than guessed at.
QHash<int, QString> parseStringTable(const QByteArray& data);

// The text with this id; error 326 (resource not found) when the table has none.
QString LoadResString(int id);

// text(LangOffset + baseId), looked up at the moment of use.
QString text(int baseId);
