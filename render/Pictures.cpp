#include "render/Pictures.h"

#include "render/BoardGeometry.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QScreen>
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

// A reader of one of the program's own pictures, told its format (PNG or JPEG, from the first
// bytes): left to guess, Qt loads every image plugin installed, which cost the start 4 ms.
void readAsOwn(QImageReader& reader) {
    // Peeked on the reader's own file, which it then reads from the start: opened once.
    QIODevice* file = reader.device();
    const QByteArray head = file && (file->isOpen() || file->open(QIODevice::ReadOnly)) ? file->peek(3) : QByteArray();
    const QByteArray format = head.startsWith("\x89PN") ? "png" : head == "\xFF\xD8\xFF" ? "jpeg" : "";
    if (format.isEmpty())
        return;
    reader.setFormat(format);
    reader.setAutoDetectImageFormat(false);
}

// The width of a puzzle picture on screen, whatever its pixels.
constexpr int PictureWidth = 400;

} // namespace

QImage readPuzzlePicture(const QString& resource, int pixels) {
    QImageReader reader(resource);
    readAsOwn(reader);
    const QSize size = reader.size();
    // A JPEG decodes fastest at a half, a quarter or an eighth of its size: the smallest of
    // those that still holds the pixels wanted, and no further scaling on top.
    int divisor = 1;
    while (size.isValid() && divisor < 8 && size.width() / (divisor * 2) >= pixels)
        divisor *= 2;
    if (divisor > 1)
        reader.setScaledSize(QSize(size.width() / divisor, size.height() / divisor));
    return reader.read();
}

namespace {

struct Prefetched {
    QString file;
    int pixels = 0;
    std::future<QImage> image;
};
Prefetched& prefetched() {
    static Prefetched p;
    return p;
}

} // namespace

int largestBoardPixels() {
    const QScreen* screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    if (!screen)
        return PictureWidth;
    const QRectF area = fittedArea(screen->availableSize());
    return qCeil(0.7 * area.height() * screen->devicePixelRatio());
}

QPixmap puzzlePixmap(QImage image) {
    // The ratio is set while the pixels are the image's alone, and they are moved, not copied:
    // set on the pixmap, it would copy them while the caller's image still shares them (2.4 MB).
    if (!image.isNull())
        image.setDevicePixelRatio(double(image.width()) / PictureWidth);
    return QPixmap::fromImage(std::move(image));
}

QPixmap loadPicture(const QString& resource) {
    const auto read = [](const QString& file) {
        QImageReader reader(file);
        readAsOwn(reader);
        return QPixmap::fromImage(reader.read());
    };
    const QString file = fileFor(resource);
    QPixmap picture = read(file);
    if (file == resource)
        return picture;
    if (picture.isNull()) // a damaged sharp copy: the picture itself, then
        return read(resource);
    picture.setDevicePixelRatio(2);
    return picture;
}

void prefetchPicture(const QString& file, PictureReader read) {
    const int pixels = largestBoardPixels();
    prefetched() = {file, pixels, std::async(std::launch::async, read, file, pixels)};
}

QImage takePicture(const QString& file, PictureReader read) {
    Prefetched& p = prefetched();
    if (!p.image.valid() || p.file != file || p.pixels != largestBoardPixels())
        prefetchPicture(file, read);
    return p.image.get();
}

QPixmap loadPuzzlePicture(const QString& resource) {
    return puzzlePixmap(takePicture(resource, readPuzzlePicture));
}
