#include "errors/ProtocolFiles.h"

#include "shell/FileLocations.h"
#include "shell/ProgramInfo.h"
#include "shell/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

QString g_printToPdf;

namespace protocolFiles {

namespace {
// The log is only ever appended to, whole: a log that grew beyond this is left as it is.
constexpr qint64 MaxLogSize = 64 << 20;
} // namespace

QString path(const QString& extension) {
    return ProgramFilePath(ProgramInfo::exeName() + u'.' + extension, UserFolder::Data);
}

bool write(const QString& file, const QString& text, bool append) {
    // Under the lock, as another copy may append its own report at the same time.
    const wholeFile::Lock lock(file);
    QByteArray bytes = text.toLatin1();
    if (append) {
        const wholeFile::Contents old = wholeFile::read(file, MaxLogSize);
        if (old.state == wholeFile::State::Unreadable)
            return false;
        bytes.prepend(old.bytes);
    }
    return wholeFile::replace(file, bytes, wholeFile::Links::Follow) == wholeFile::Written::Ok;
}

} // namespace protocolFiles

QStringList printLines(QString protocol) {
    QStringList printed;
    protocol += QStringLiteral("\r\n");
    for (qsizetype end; (end = protocol.indexOf(QStringLiteral("\r\n"))) >= 0;) {
        QString line = protocol.left(end) + u' ';
        protocol.remove(0, end + 2);
        QString output;
        qint16 column = 0;
        for (qsizetype blank; (blank = line.indexOf(u' ')) >= 0;) {
            const qsizetype p = blank + 1;
            const QString word = line.left(p);
            line.remove(0, p);
            column = static_cast<qint16>(column + p);
            if (column > 73) {
                if (!output.isEmpty()) {
                    printed << output;
                    output = QString(20, u' ');
                }
                column = static_cast<qint16>(p);
            }
            output += word;
        }
        if (!output.isEmpty())
            printed << output;
    }
    return printed;
}

bool printOnDefaultPrinter(const QStringList& lines) {
    QPrinter printer(QPrinter::HighResolution);
    if (!g_printToPdf.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(g_printToPdf);
    } else if (QPrinterInfo::defaultPrinter().isNull()) {
        return false;
    }
    printer.setDocName(ProgramInfo::title());
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // A fixed-pitch face, so that the columns of the protocol stay in line.
    QFont font(QStringLiteral("DejaVu Sans Mono"), 9);
    font.setStyleHint(QFont::TypeWriter);
    painter.setFont(font);
    const int step = painter.fontMetrics().lineSpacing();
    const int bottom = painter.viewport().height();
    int y = step;
    for (const QString& line : lines) {
        if (y > bottom) {
            printer.newPage();
            y = step;
        }
        painter.drawText(0, y, line);
        y += step;
    }
    return painter.end();
}
