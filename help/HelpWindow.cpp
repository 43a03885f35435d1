#include "help/HelpWindow.h"

#include "help/ChmFile.h"
#include "help/HelpBrowser.h"
#include "help/HelpTexts.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

using namespace Qt::StringLiterals;

namespace {
constexpr int LocalRole = Qt::UserRole;
}

HelpWindow::HelpWindow()
    : m_browser(new HelpBrowser), m_contents(new QTreeWidget), m_splitter(new QSplitter(Qt::Horizontal)) {
    setObjectName(u"HelpWindow"_s);
    setWindowTitle(u"Mirvel"_s);
    // The reader closes it; it never keeps the program alive once the game is gone.
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);

    m_contents->setHeaderHidden(true);
    m_contents->setColumnCount(1);
    m_contents->header()->setStretchLastSection(true);
    m_splitter->addWidget(m_contents);
    m_splitter->addWidget(m_browser);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setChildrenCollapsible(false);
    setCentralWidget(m_splitter);

    QToolBar* bar = addToolBar(QString());
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QString(), m_browser, &QTextBrowser::backward);
    m_forward =
        bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QString(), m_browser, &QTextBrowser::forward);
    m_back->setShortcut(QKeySequence::Back);
    m_forward->setShortcut(QKeySequence::Forward);
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::pageChanged);
    connect(m_contents, &QTreeWidget::itemClicked, this, &HelpWindow::openItem);
    connect(m_contents, &QTreeWidget::itemActivated, this, &HelpWindow::openItem);

    QSize size(960, 680);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 0.9);
    resize(size);
    m_splitter->setSizes({size.width() / 4, size.width() * 3 / 4});
}

HelpWindow::~HelpWindow() = default;

bool HelpWindow::showHelp(const QString& path, const QString& language) {
    if (!m_file || m_file->path() != path) {
        auto file = std::make_unique<ChmFile>();
        if (!file->open(path))
            return false;
        m_browser->setFile(file.get());
        m_file = std::move(file);
        m_language.clear();
    }
    if (m_language == language)
        return true;
    m_language = language;
    m_browser->setLanguage(language);
    m_back->setText(helpText(language, HelpText::Back));
    m_forward->setText(helpText(language, HelpText::Forward));
    m_contents->setAccessibleName(helpText(language, HelpText::Contents));
    fillContents();
    m_browser->clearHistory();
    m_browser->setSource(HelpBrowser::urlOf(startPage()));
    return true;
}

QString HelpWindow::startPage() const {
    QString own = m_language + u"/index.html"_s;
    if (m_file->contains(own))
        return own;
    return m_file->defaultTopic().isEmpty() ? u"index.html"_s : m_file->defaultTopic();
}

QString HelpWindow::contentsFile() const {
    const QString own = m_language + u"/contents.hhc"_s;
    return m_file->contains(own) ? own : m_file->contentsFile();
}

void HelpWindow::fillContents() {
    m_contents->clear();
    const QString hhc = contentsFile();
    if (!hhc.isEmpty())
        addEntries(m_contents->invisibleRootItem(), m_file->contents(hhc));
    m_contents->expandAll();
}

void HelpWindow::addEntries(QTreeWidgetItem* parent, const QList<ContentsEntry>& entries) {
    for (const ContentsEntry& entry : entries) {
        auto* item = new QTreeWidgetItem(parent, {entry.name.isEmpty() ? entry.local : entry.name});
        item->setData(0, LocalRole, entry.local);
        item->setToolTip(0, item->text(0));
        addEntries(item, entry.children);
    }
}

void HelpWindow::openItem(QTreeWidgetItem* item) {
    const QString local = item ? item->data(0, LocalRole).toString() : QString();
    if (local.isEmpty())
        return;
    // The contents name pages from the root of the file, with an optional "#place".
    QUrl url = HelpBrowser::urlOf(local.section(u'#', 0, 0));
    if (local.contains(u'#'))
        url.setFragment(local.section(u'#', 1));
    if (url != m_browser->source())
        m_browser->setSource(url);
}

void HelpWindow::pageChanged(const QUrl& url) {
    const QString title = m_browser->documentTitle().simplified();
    setWindowTitle(title.isEmpty() ? u"Mirvel"_s : title);
    // The contents follow the page, also when a link or Back led there.
    const QString object = HelpBrowser::objectOf(url);
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it) {
        if (ChmFile::normalized((*it)->data(0, LocalRole).toString().section(u'#', 0, 0)) == object) {
            const QSignalBlocker quiet(m_contents);
            m_contents->setCurrentItem(*it);
            return;
        }
    }
    m_contents->clearSelection();
}
