#pragma once
// The page view of the help window: pages, style sheets and pictures come straight out of the
// open help file (nothing is unpacked to disk), addresses on the web and e-mail addresses go
// to the desktop.
//
// A page of the file has the address "chm:/de/index.html", so that relative links and
// pictures resolve against the page that names them.

#include <QTextBrowser>

class ChmFile;

class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    void setFile(const ChmFile* file) { m_file = file; }
    void setLanguage(const QString& language) { m_language = language; }

    static QUrl urlOf(const QString& object);
    static QString objectOf(const QUrl& url); // empty for an address outside the file
    static bool isExternal(const QUrl& url);

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

private:
    QString notFoundPage(const QString& object) const;

    const ChmFile* m_file = nullptr;
    QString m_language;
};
