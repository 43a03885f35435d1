// Guards the help window (the help menu's homepage and e-mail entries are rows of the play
// table): it opens at the start page of the interface language and is raised, not doubled; every link and picture of
// the help file is in it, a missing page has a page of its own, and a missing or damaged file ends in a message.

#include "help/ChmFile.h"
#include "help/HelpBrowser.h"
#include "help/HelpTexts.h"
#include "help/HelpWindow.h"
#include "help/HtmlHelp.h"
#include "support/Window.h"

#include <QRegularExpression>
#include <QTreeWidget>

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

// Every page the start page leads to, links followed within the file.
QStringList reachablePages(const ChmFile& chm) {
    QStringList pages{u"index.html"_s};
    static const QRegularExpression href(u"href=\"([^\"#]+)"_s);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const QString html = ChmFile::decodeText(chm.read(pages[i]));
        for (const auto& m : href.globalMatch(html)) {
            const QUrl url = HelpBrowser::urlOf(pages[i]).resolved(QUrl(m.captured(1)));
            const QString object = HelpBrowser::objectOf(url);
            if (!HelpBrowser::isExternal(url) && !pages.contains(object) && object.endsWith(u".html"_s))
                pages.append(object);
        }
    }
    return pages;
}
} // namespace

class TestLinks : public QObject {
    Q_OBJECT
private slots:
    void init() { clearUserStore(); }
    void cleanup() { closeHelp(); }

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
        LoadedWindow w;
        frmMirvel& f = *w.form;
        QVERIFY(QFile::copy(BuiltHelp, w.folder.filePath(u"Mirvel.chm"_s)));
        f.mnuLang[language]->trigger();
        f.mnuOnlinehilfe->trigger();
        QCOMPARE(helpWindows().size(), 1);
        HelpWindow* help = helpWindows().first();
        const QString start = QString::fromLatin1(QTest::currentDataTag()) + u"/index.html"_s;
        QCOMPARE(help->browser()->source(), HelpBrowser::urlOf(start));
        QVERIFY(help->browser()->toPlainText().size() > 200);
        QCOMPARE(help->contents()->topLevelItem(0)->text(0), firstEntry);
        QCOMPARE(help->backAction()->text(), helpText(help->language(), HelpText::Back));

        // A page from the contents, then Back and Forward.
        QTreeWidgetItem* topic = help->contents()->topLevelItem(0)->child(1);
        QVERIFY(topic);
        emit help->contents()->itemClicked(topic, 0);
        QVERIFY(help->browser()->source() != HelpBrowser::urlOf(start));
        QVERIFY(help->backAction()->isEnabled());
        help->backAction()->trigger();
        QCOMPARE(help->browser()->source(), HelpBrowser::urlOf(start));
        help->forwardAction()->trigger();
        QCOMPARE(help->contents()->currentItem(), topic); // the contents follow the page

        // A page the file does not hold.
        help->browser()->setSource(HelpBrowser::urlOf(u"nowhere.html"_s));
        QVERIFY(help->browser()->toPlainText().contains(helpText(help->language(), HelpText::NotFound)));

        f.mnuOnlinehilfe->trigger(); // the same window again, at the start page of the language
        QCOMPARE(helpWindows(), QList<HelpWindow*>{help});
    }

    void everyLinkPictureAndContentsEntryIsInTheFile() {
        ChmFile chm;
        QVERIFY(chm.open(BuiltHelp));
        QCOMPARE(chm.defaultTopic(), u"index.html"_s);
        const QStringList pages = reachablePages(chm);
        QVERIFY2(pages.size() >= 4 * 9 + 1, qPrintable(pages.join(u' ')));
        static const QRegularExpression reference(u"(?:href|src)=\"([^\"#]+)"_s);
        for (const QString& page : pages) {
            QVERIFY2(chm.contains(page), qPrintable(page));
            for (const auto& m : reference.globalMatch(ChmFile::decodeText(chm.read(page)))) {
                const QUrl url = HelpBrowser::urlOf(page).resolved(QUrl(m.captured(1)));
                if (!HelpBrowser::isExternal(url))
                    QVERIFY2(chm.contains(HelpBrowser::objectOf(url)), qPrintable(page + u" -> "_s + url.path()));
            }
        }
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
        if (row["change"] != u"missing")
            writeFile(path, changed(readFile(BuiltHelp), row["change"]));
        QStringList seen;
        ModalDriver driver(answer::all(2, &seen));
        HtmlHelp(nullptr, path, 0, 0);
        QApplication::processEvents();
        const QString warning = u"box:Mirvel|"_s + helpText(u"sv"_s, HelpText::CannotOpen) + u'\n' + path;
        if (row["warns"] == u"yes")
            QCOMPARE(seen, QStringList{warning});
        else
            QVERIFY(seen == QStringList{warning} || (seen.isEmpty() && helpWindows().size() == 1));
        QCOMPARE(driver.unanswered(), 0);
    }
};

MIRVEL_TEST_MAIN(TestLinks)
#include "tst_links.moc"
