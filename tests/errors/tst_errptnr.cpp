// Guards the error reports and their protocol: who reports an error; the protocol's text byte for
// byte, the log that every report grows, and the protocol buttons: the printed lines and their
// PDF, the clipboard and the addresses handed to the desktop. Every trap, the continuation codes
// and the dialog as shown are rows of traps.tsv; a saved protocol, rows of file-faults.tsv.

#include "errors/ErrPtnr.h"
#include "errors/OsVersion.h"
#include "errors/Procedure.h"
#include "errors/ProtocolFiles.h"
#include "shell/ProgramInfo.h"
#include "support/Scenario.h"

#include <QClipboard>
#include <QMessageBox>
#include <QProcess>

using texts::text;

namespace {

// Reports an error in step 2 of Testmodul.Failing; `press` acts on the dialog, then it is ignored.
void report(const std::function<void(ErrPtnr&)>& press = {}) {
    ModalDriver driver([&](QWidget* w) {
        if (press)
            press(static_cast<ErrPtnr&>(*w));
        answer::continueWith(w, 1);
    });
    Procedure("Testmodul", "Failing").run({[] {}, [] { raiseError(ErrNo::Overflow); }});
}

// Presses protocol button `index` and confirms each message box, noting its text.
std::function<void(ErrPtnr&)> pressProtocol(int index, QStringList* messages, QString* clipboardAtMessage = nullptr) {
    return [=](ErrPtnr& dialog) {
        ModalDriver boxes([=](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box && box->icon() == QMessageBox::NoIcon && box->windowTitle() == u"Mirvel"_s);
            messages->append(box->text());
            if (clipboardAtMessage)
                *clipboardAtMessage = QGuiApplication::clipboard()->text();
            box->button(QMessageBox::Ok)->click();
        });
        dialog.cmdProtocol[index]->click();
        QVERIFY(dialog.isVisible()); // none of the buttons closes the dialog
    };
}

} // namespace

class TestErrPtnr : public QObject {
    Q_OBJECT

    QTemporaryDir m_folder;

    QString file(const QString& ext) const { return m_folder.filePath(u"tst_errptnr."_s + ext); }

private slots:
    void init() {
        openToNobody(m_folder.path());
        setMode(m_folder.path(), 0755); // ours alone
        ProgramInfo::setFolder(m_folder.path());
        QFile::remove(file(u"EPT"_s));
        QFile::remove(file(u"ERR"_s));
        protocolSources::now = [] { return QDateTime(QDate(2026, 3, 4), QTime(17, 6, 7)); };
        protocolSources::osVersion = [] { return osVersionOf(u"Linux"_s, u"6.1.0-18-amd64"_s, u"#1 SMP"_s); };
        ErrPtnr::instance().SetProgInfo(u"Mirvel 1.2.3"_s);
    }

    void whoReports() {
        QStringList seen;
        bool after = false;
        {
            ModalDriver driver(answer::all(1, &seen));
            Procedure p("Caller", "Outer");
            p.run({
                [] { raiseError(ErrNo::SubscriptOutOfRange); }, // as from an untrapped callee
                [] {                                            // a trapped callee reports itself
                    Procedure("Testmodul", "Failing").run({[] {}, [] { raiseError(ErrNo::Overflow); }});
                },
                [] { throw std::runtime_error("boom"); }, // not one of ours
                [] {
                    Procedure callee("Callee", "Disarmed"); // its trap off: the caller reports
                    callee.run({[&] { callee.disarm(); }, [] { raiseError(ErrNo::Overflow); }});
                },
                [&] { after = true; },
            });
        }
        QVERIFY(after);
        // A handler with no trap reports under its own names, line 0; Retry runs it again.
        int runs = 0;
        ModalDriver driver(answer::all(0, &seen));
        reportUntrapped("frmMirvel", "mnuBild_Click", [&] {
            if (++runs < 3)
                raiseError(ErrNo::ResourceNotFound);
        });
        QCOMPARE(runs, 3);
        QCOMPARE(seen,
                 (QStringList{u"9 (Subscript out of range)|Caller|Outer|1"_s, u"6 (Overflow)|Testmodul|Failing|2"_s,
                              u"51 (boom)|Caller|Outer|3"_s, u"6 (Overflow)|Caller|Outer|4"_s,
                              u"326 (Resource not found)|frmMirvel|mnuBild_Click|0"_s,
                              u"326 (Resource not found)|frmMirvel|mnuBild_Click|0"_s}));
    }

    // Each report appends its protocol and an empty line to the log, before the dialog shows.
    // The version's lines come from what uname reports.
    void everyReportIsLogged_data() { addTableRows(u"os-version"_s); }
    void everyReportIsLogged() {
        QFETCH(Row, row);
        protocolSources::osVersion = [&] { return osVersionOf(u"Linux"_s, row["release"], u"#1 SMP"_s); };
        QByteArray logWhileShown;
        report([&](ErrPtnr&) { logWhileShown = readFile(file(u"EPT"_s)); });
        report();
        const QByteArray one = text(u"protocol"_s).arg(row["version"], row["build"]).toLatin1();
        QCOMPARE(logWhileShown, one + "\r\n");
        QCOMPARE(readFile(file(u"EPT"_s)), one + "\r\n" + one + "\r\n");
        QCOMPARE(ErrPtnr::instance().lblProgInfo->text(), u"Mirvel 1.2.3"_s); // the caller's line shows too
        QCOMPARE(ErrPtnr::LPSTRToVBString(QString::fromUtf16(u"SP1\0rest", 8)), u"SP1"_s);
        QCOMPARE(ErrPtnr::LPSTRToVBString(u"no nul"_s), QString());
    }

    // Print: one job on the printer, wrapped as the table says (read back from a PDF, where
    // pdftotext keeps the lines, not their blanks). With no printer: a row of traps.tsv.
    void print_data() { addTableRows(u"print-lines"_s); }
    void print() {
        QFETCH(Row, row);
        const QStringList lines = ::printLines(row["protocol"]);
        QCOMPARE(lines.join(u'\n'), row["printed"]);
        g_printToPdf = m_folder.filePath(u"print.pdf"_s);
        QVERIFY(printOnDefaultPrinter(lines));
        g_printToPdf.clear();
        QProcess pdftotext;
        pdftotext.start(u"pdftotext"_s, {u"-layout"_s, m_folder.filePath(u"print.pdf"_s), u"-"_s});
        QVERIFY(pdftotext.waitForFinished());
        const auto simplified = [](const QString& text) {
            return text.split(QRegularExpression(u"[ \\t\\f]*\\n[ \\t\\f]*"_s), Qt::SkipEmptyParts)
                .join(u'|')
                .simplified();
        };
        QCOMPARE(simplified(QString::fromUtf8(pdftotext.readAllStandardOutput())), simplified(row["printed"]));
    }

    // EMail copies the protocol only after the notice is confirmed; WWW copies it at once.
    // Both hand the maker's address to the desktop.
    void mailAndWeb() {
        UrlCatcher desktop;
        QStringList seen;
        QString clipboardAtNotice, protocol;
        QGuiApplication::clipboard()->setText(u"before"_s);
        report([&](ErrPtnr& dialog) {
            dialog.BuildProtocol(protocol);
            pressProtocol(2, &seen, &clipboardAtNotice)(dialog);
        });
        QCOMPARE(seen, QStringList{text(u"EMailNotice"_s)});
        QCOMPARE(clipboardAtNotice, u"before"_s);
        QCOMPARE(QGuiApplication::clipboard()->text(), protocol);
        QGuiApplication::clipboard()->setText(u"before"_s);
        report(pressProtocol(3, &seen));
        QCOMPARE(seen.size(), 1); // no message
        QCOMPARE(QGuiApplication::clipboard()->text(), protocol);
        QCOMPARE(desktop.opened,
                 (QList<QUrl>{QUrl(u"mailto:support@kelmsoft.example"_s), QUrl(u"https://www.kelmsoft.example/"_s)}));
    }
};

MIRVEL_TEST_MAIN(TestErrPtnr)
#include "tst_errptnr.moc"
