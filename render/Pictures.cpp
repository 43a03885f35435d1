#include "render/Pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <future>

namespace {

// The file drawn for a resource: its "@2x" copy where a screen is sharper (the highest ratio
// of the screens, so that a window moved to the sharper screen stays sharp).
QString fileFor(const QString& resource) {
    if (!qGuiApp || qGuiApp->devicePixelRatio() <= 1)
        return resource;
    const qsizetype dot = resource.lastIndexOf(u'.');
    const bool hasSuffix = dot > resource.lastIndexOf(u'/');
    const QString sharp =
        hasSuffix ? resource.left(dot) + QStringLiteral("@2x") + resource.mid(dot) : resource + QStringLiteral("@2x");
    return QFile::exists(sharp) ? sharp : resource;
}

struct Prefetched {
    QString file;
    std::future<QImage> image;
};
Prefetched& prefetched() {
    static Prefetched p;
    return p;
}

} // namespace

void prefetchPicture(const QString& resource) {
    Prefetched& p = prefetched();
    p.file = fileFor(resource);
    p.image = std::async(std::launch::async, [file = p.file] { return QImage(file); });
}

QPixmap loadPicture(const QString& resource) {
    const QString file = fileFor(resource);
    Prefetched& p = prefetched();
    QPixmap picture = p.image.valid() && p.file == file ? QPixmap::fromImage(p.image.get()) : QPixmap(file);
    if (file == resource)
        return picture;
    if (picture.isNull()) // a damaged sharp copy: the picture itself, then
        return QPixmap(resource);
    picture.setDevicePixelRatio(2);
    return picture;
}
