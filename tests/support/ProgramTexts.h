#pragma once
// Every text the program shows, byte for byte, is a row of tests/data/texts.tsv; the tests
// compare what the program shows with these, and tst_startup checks each where it belongs.

#include "support/Table.h"

namespace texts {

// The text `key` in language `lang` (0 German, 1 English, 2 Swedish, 3 Italian); a text of one
// column is the same in all. Numbers are the string table's ids.
inline QString text(const QString& key, int lang = 0) {
    for (const QStringList& row : table(QStringLiteral("texts")).rows)
        if (row[0] == key)
            return row.value(1 + lang).isEmpty() ? row[1] : row[1 + lang];
    return QStringLiteral("(no text %1)").arg(key);
}

} // namespace texts
