#include "links/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

void ShellOpen(const QString& target) {
    QDesktopServices::openUrl(QUrl(target));
}

void HtmlHelp(const QString& helpFile) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(helpFile));
}
