// The error protocol: a plain-text report of what the dialog shows, with the date, the time
// and the system's version; logged with every report and printed, saved, mailed or copied by
// the protocol buttons. None of them closes the dialog.

#include "errors/ErrPtnr.h"
#include "errors/OsVersion.h"
#include "errors/ProtocolFiles.h"
#include "links/Addresses.h"
#include "links/ShellOpen.h"
#include "shell/ProgramInfo.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>

namespace {

const QString CrLf = QStringLiteral("\r\n");

// A message box without icon, titled with the program's title.
QMessageBox::StandardButton message(QWidget* owner, const QString& text,
                                    QMessageBox::StandardButtons buttons = QMessageBox::Ok) {
    QMessageBox box(QMessageBox::NoIcon, ProgramInfo::title(), text, buttons, owner);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

const QString EMailNotice =
    QStringLiteral("Es wird jetzt Ihr Standard-Email-Programm aufgerufen. Die Fehlerbeschreibung sowie das "
                   "Fehlerprotokoll\r\nwurden zu Ihrer Bequemlichkeit in die Zwischenablage kopiert.\r\n\r\n"
                   "Bitte f\u00fcgen Sie den Inhalt der Zwischenablage in Ihre Email ein, indem Sie in Ihrem "
                   "Email-Programm\r\ndie Tasten [Strg] und [Einfg] gleichzeitig bet\u00e4tigen. Alternativ "
                   "k\u00f6nnen Sie den Inhalt in die EMail\r\neinf\u00fcgen, indem Sie den Befehl "
                   "'Einf\u00fcgen' aus dem Men\u00fc 'Bearbeiten' ausf\u00fchren.\r\n\r\n\r\n"
                   "Your email application will be started. The error description will be copied to the "
                   "clipboard.\r\n\r\nPlease insert the contents of the clipboard into the message body by "
                   "using Ctrl + V or \r\nuse the menu or toolbar command of your email program. ");

void toClipboard(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

} // namespace

void ErrPtnr::BuildProtocol(QString& Protocol) {
    const QString separator(70, u'-');
    const QString indent(10, u' ');
    const OsVersion os = protocolSources::osVersion();
    const QDateTime now = protocolSources::now();
    QStringList lines = {
        separator,
        QStringLiteral("F E H L E R P R O T O K O L L  /  E R R O R   P R O T O C O L L"),
        separator,
        framProgInfo->title().toUpper(),
        indent + lblProgInfo->text(),
        separator,
        framFehler->title().toUpper(),
    };
    for (int i = 0; i < 4; ++i)
        lines << indent + lblErrTitel[i]->text() + u'\t' + lblError[i]->text();
    lines << indent + QStringLiteral("Datum/Uhrzeit (Date/Time):\t") + now.toString(QStringLiteral("MM-dd-yyyy")) +
                 QStringLiteral(" / ") + now.toString(QStringLiteral("HH:mm:ss"))
          << separator << QStringLiteral("SYSTEMINFO:")
          << indent + QStringLiteral("Plattform/Environment:\t") + os.platform
          << indent + QStringLiteral("Version:\t%1.%2").arg(os.major).arg(os.minor)
          << indent + QStringLiteral("Build:\t%1   ").arg(os.build) + LPSTRToVBString(os.servicePack + QChar(u'\0'))
          << separator;
    Protocol = lines.join(CrLf) + CrLf;
}

void ErrPtnr::AppendProtocolLog() {
    QString protocol;
    BuildProtocol(protocol);
    // A log that cannot be written is not the user's concern while an error is shown.
    protocolFiles::write(protocolFiles::path(QStringLiteral("EPT")), protocol + CrLf, true);
}

void ErrPtnr::cmdProtocol_Click(int Index) {
    QString protocol;
    BuildProtocol(protocol);
    switch (Index) {
    case 0:
        if (!printOnDefaultPrinter(printLines(protocol)))
            message(this, QStringLiteral("Es ist kein Drucker verf\u00fcgbar.\r\nNo printer is available."));
        break;
    case 1: {
        const QString file = protocolFiles::path(QStringLiteral("ERR"));
        if (QFile::exists(file) &&
            message(this,
                    QStringLiteral("Vorhandene Datei '%1' \u00fcberschreiben?\r\nOverwrite file '%1' ?").arg(file),
                    QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            break;
        if (protocolFiles::write(file, protocol + CrLf, false))
            message(this, QStringLiteral("Das Fehlerprotokoll wurde in die Datei '%1' geschrieben!\r\n"
                                         "Error protocoll was written to file '%1'!")
                              .arg(file));
        else
            message(this, QStringLiteral("Das Fehlerprotokoll konnte nicht in die Datei '%1' geschrieben werden!\r\n"
                                         "Error protocoll could not be written to file '%1'!")
                              .arg(file));
        break;
    }
    case 2:
        message(this, EMailNotice);
        toClipboard(protocol);
        ShellOpen(QStringLiteral("mailto:") + Addresses::Support.trimmed());
        break;
    case 3:
        toClipboard(protocol);
        ShellOpen(Addresses::Homepage);
        break;
    default:
        break;
    }
}
