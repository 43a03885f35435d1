// Guards the help window (the help menu's homepage and e-mail entries are rows of the play
// table): a missing or damaged file ends in a message or a window that shows what it can, never
// in a crash or a hang. That every link of the help is in the file: tools/check-help.sh.

#include "help/HelpWindow.h"
#include "help/HtmlHelp.h"
#include "support/Scenario.h"

#include <sys/stat.h>

using texts::text;

namespace {
const QString BuiltHelp = QStringLiteral(MIRVEL_HELP_FILE);

QList<HelpWindow*> helpWindows() {
    QList<HelpWindow*> found;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* h = qobject_cast<HelpWindow*>(w); h && h->isVisible())
            found.append(h);
    return found;
}

void closeHelp() {
    for (HelpWindow* h : helpWindows())
        h->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestLinks : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }
    void cleanup() { closeHelp(); }

    // A file that is missing, not a help file or damaged: a message naming it, or a window
    // that shows what it can; never a crash or a hang.
    void damagedFilesEndInAMessage_data() { addTableRows(u"damaged-help"_s); }
    void damagedFilesEndInAMessage() {
        QFETCH(Row, row);
        setHelpLanguage(2000);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Mirvel.chm"_s);
        if (row["change"] == u"a named pipe") // reading it would wait for a writer for ever
            ::mkfifo(QFile::encodeName(path), 0600);
        else if (row["change"] != u"missing")
            writeFile(path, changed(readFile(BuiltHelp), row["change"]));
        QStringList seen;
        ModalDriver driver(answer::all(2, &seen));
        HtmlHelp(nullptr, path, 0, 0);
        QApplication::processEvents();
        const QString warning = u"box:Mirvel|"_s + text(u"help.CannotOpen"_s, 2) + u'\n' + path;
        if (row["warns"] == u"yes")
            QCOMPARE(seen, QStringList{warning});
        else
            QVERIFY(seen == QStringList{warning} || (seen.isEmpty() && helpWindows().size() == 1));
        QCOMPARE(driver.unanswered(), 0);
    }
};

MIRVEL_TEST_MAIN(TestLinks)
#include "tst_links.moc"
