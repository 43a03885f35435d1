#pragma once
// The help window: the contents of the help file beside the page they lead to, with Back and
// Forward. The program has one at most (see HtmlHelp.h); it stays open beside the game.

#include <QMainWindow>
#include <memory>

class ChmFile;
class HelpBrowser;
class QAction;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;
struct ContentsEntry;

class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    HelpWindow();
    ~HelpWindow() override;

    // Shows the file's start page for the language; false, and nothing changed, when the file
    // cannot be opened. The same file and language again keep the page the reader is on.
    bool showHelp(const QString& path, const QString& language);

    const ChmFile* file() const { return m_file.get(); }
    const QString& language() const { return m_language; }
    QString startPage() const;
    QString contentsFile() const;

    HelpBrowser* browser() const { return m_browser; }
    QTreeWidget* contents() const { return m_contents; }
    QAction* backAction() const { return m_back; }
    QAction* forwardAction() const { return m_forward; }

private:
    void fillContents();
    void addEntries(QTreeWidgetItem* parent, const QList<ContentsEntry>& entries);
    void openItem(QTreeWidgetItem* item);
    void pageChanged(const QUrl& url);

    std::unique_ptr<ChmFile> m_file;
    QString m_language;
    HelpBrowser* m_browser;
    QTreeWidget* m_contents;
    QSplitter* m_splitter;
    QAction* m_back;
    QAction* m_forward;
};
