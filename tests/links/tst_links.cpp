// Guards the help window (the help menu's homepage and e-mail entries are rows of the play
// table): it opens at the start page of the interface language and is raised, not doubled; every link and picture of
// the help file is in it, a missing page has a page of its own, and a missing or damaged file ends in a message.

#include "help/ChmFile.h"
#include "help/HelpBrowser.h"
#include "help/HelpWindow.h"
#include "help/HtmlHelp.h"
#include "support/Scenario.h"

#include <QRegularExpression>
#include <QTreeWidget>
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

    // The start page and the window's texts in each language; a page from the contents, Back
    // and Forward; a missing page; the entry again raises the same window.
    void helpOpensInTheInterfaceLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("firstEntry"); // the contents' first line
        int lang = 0;
        for (const char* entry : {"Deutsch", "English", "Svenska", "Italiano"})
            QTest::newRow(QByteArray(entry).left(2).toLower().constData()) // de, en, sv, it
                << lang++ << QString::fromLatin1(entry);
    }
    void helpOpensInTheInterfaceLanguage() {
        QFETCH(int, language);
        QFETCH(QString, firstEntry);
        Scenario s;
        QVERIFY(QFile::copy(BuiltHelp, s.folder() + u"/Mirvel.chm"_s));
        s.play(u"lang%1 help"_s.arg(language));
        QCOMPARE(helpWindows().size(), 1);
        HelpWindow* help = helpWindows().first();
        const QUrl start = HelpBrowser::urlOf(QString::fromLatin1(QTest::currentDataTag()) + u"/index.html"_s);
        QCOMPARE(help->browser()->source(), start);
        QVERIFY(help->browser()->toPlainText().size() > 200);
        QCOMPARE(help->contents()->topLevelItem(0)->text(0), firstEntry);
        QCOMPARE(QStringList(
                     {help->backAction()->text(), help->forwardAction()->text(), help->contents()->accessibleName()}),
                 QStringList({text(u"help.Back"_s, language), text(u"help.Forward"_s, language),
                              text(u"help.Contents"_s, language)}));
        QTreeWidgetItem* topic = help->contents()->topLevelItem(0)->child(1);
        QVERIFY(topic);
        emit help->contents()->itemClicked(topic, 0);
        QVERIFY(help->browser()->source() != start && help->backAction()->isEnabled());
        help->backAction()->trigger();
        QCOMPARE(help->browser()->source(), start);
        help->forwardAction()->trigger();
        QCOMPARE(help->contents()->currentItem(), topic); // the contents follow the page
        help->browser()->setSource(HelpBrowser::urlOf(u"nowhere.html"_s));
        QVERIFY(help->browser()->toPlainText().contains(text(u"help.NotFound"_s, language)));
        s.play(u"help"_s);
        QCOMPARE(helpWindows(), QList<HelpWindow*>{help});
    }

    // Every page the start page leads to, and each link and picture of it, is in the file; so
    // is every page of the contents.
    void everyLinkPictureAndContentsEntryIsInTheFile() {
        ChmFile chm;
        QVERIFY(chm.open(BuiltHelp));
        QCOMPARE(chm.defaultTopic(), u"index.html"_s);
        QStringList pages{u"index.html"_s};
        static const QRegularExpression reference(u"(?:href|src)=\"([^\"#]+)"_s);
        for (qsizetype i = 0; i < pages.size(); ++i) {
            for (const auto& m : reference.globalMatch(ChmFile::decodeText(chm.read(pages[i])))) {
                const QUrl url = HelpBrowser::urlOf(pages[i]).resolved(QUrl(m.captured(1)));
                const QString object = HelpBrowser::objectOf(url);
                QVERIFY2(HelpBrowser::isExternal(url) || chm.contains(object),
                         qPrintable(pages[i] + u" -> "_s + object));
                if (!HelpBrowser::isExternal(url) && object.endsWith(u".html"_s) && !pages.contains(object))
                    pages.append(object);
            }
        }
        QVERIFY2(pages.size() >= 4 * 9 + 1, qPrintable(pages.join(u' ')));
        for (const char* lang : {"de", "en", "sv", "it"}) {
            const QList<ContentsEntry> tree = chm.contents(QLatin1String(lang) + u"/contents.hhc"_s);
            QVERIFY(!tree.isEmpty() && tree.first().children.size() >= 9);
            for (const ContentsEntry& e : tree.first().children)
                QVERIFY2(chm.contains(e.local) && !e.name.isEmpty(), qPrintable(e.local));
        }
    }

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
