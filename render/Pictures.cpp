#include "render/Pictures.h"

#include <QGuiApplication>

QPixmap loadPicture(const QString& resource) {
    // The highest ratio of the screens: a window moved to the sharper screen stays sharp.
    if (qGuiApp && qGuiApp->devicePixelRatio() > 1) {
        const qsizetype dot = resource.lastIndexOf(u'.');
        const bool hasSuffix = dot > resource.lastIndexOf(u'/');
        QPixmap sharp(hasSuffix ? resource.left(dot) + QStringLiteral("@2x") + resource.mid(dot)
                                : resource + QStringLiteral("@2x"));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return QPixmap(resource);
}
