#pragma once
// Catches what the program hands to the desktop, through Qt's own hook for URL handlers.

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

class UrlCatcher : public QObject {
    Q_OBJECT
    static constexpr const char* Schemes[] = {"http", "https", "mailto", "file"};

public:
    UrlCatcher() {
        for (const char* scheme : Schemes)
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }
    ~UrlCatcher() override {
        for (const char* scheme : Schemes)
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};
