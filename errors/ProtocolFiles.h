#pragma once
// The protocol's two files and how they are written: 8-bit text with CR LF line ends, named
// after the executable, beside the program or in ~/.local/share/Mirvel/ (shell/FileLocations.h).

#include <QString>
#include <QStringList>

namespace protocolFiles {
// The file with this extension ("EPT", "ERR").
QString path(const QString& extension);
// Appends to the file, or replaces it, whole or not at all; false when it could not.
bool write(const QString& file, const QString& text, bool append);
} // namespace protocolFiles

// The lines of a printed protocol: words are wrapped after 73 columns, a continuation line
// starts with 20 blanks, and every blank is kept.
QStringList printLines(QString protocol);
// Prints the lines on the default printer as one job; false when there is no printer.
bool printOnDefaultPrinter(const QStringList& lines);
// A test prints into this PDF file instead of the default printer.
extern QString g_printToPdf;
