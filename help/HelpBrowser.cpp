#include "help/HelpBrowser.h"

#include "help/ChmFile.h"
#include "help/HelpTexts.h"

#include <QDesktopServices>

using namespace Qt::StringLiterals;

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(true);
    setOpenExternalLinks(false); // doSetSource decides, so that no link escapes unchecked
}

QUrl HelpBrowser::urlOf(const QString& object) {
    QUrl url;
    url.setScheme(u"chm"_s);
    url.setPath(u'/' + ChmFile::normalized(object));
    return url;
}

QString HelpBrowser::objectOf(const QUrl& url) {
    return url.scheme() == u"chm" ? ChmFile::normalized(url.path()) : QString();
}

bool HelpBrowser::isExternal(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == u"http" || scheme == u"https" || scheme == u"mailto" || scheme == u"ftp";
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (isExternal(url)) {
        QDesktopServices::openUrl(url);
        return;
    }
    QTextBrowser::doSetSource(url, type);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    const QString object = objectOf(url);
    const QByteArray data = m_file && !object.isEmpty() ? m_file->read(object) : QByteArray();
    switch (type) {
    case QTextDocument::HtmlResource:
        return data.isEmpty() ? notFoundPage(object.isEmpty() ? url.toString() : object) : ChmFile::decodeText(data);
    case QTextDocument::StyleSheetResource:
        return ChmFile::decodeText(data);
    default:
        return data.isEmpty() ? QVariant() : QVariant(data);
    }
}

QString HelpBrowser::notFoundPage(const QString& object) const {
    const QString title = helpText(m_language, HelpText::NotFound).toHtmlEscaped();
    return u"<html><head><title>%1</title></head><body><h2>%1</h2><p>%2</p></body></html>"_s.arg(
        title, object.toHtmlEscaped());
}
