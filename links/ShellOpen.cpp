#include "links/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

void ShellOpen(const QString& target) {
    QDesktopServices::openUrl(QUrl(target));
}
