#include "render/OwnPicture.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// The side of a built-in picture: a smaller own picture is enlarged to it once, smoothly, so that
// its pieces are not cut from a handful of pixels.
constexpr int LeastSide = 400;

// Whether a JPEG's data reach its end marker. Qt shows a truncated JPEG as far as it goes, grey
// below, and calls that a picture; a camera's file that carries more after the end marker (a
// motion photo's video) is whole.
bool jpegIsWhole(const uchar* data, qint64 size) {
    qint64 at = 2; // after the start of image
    while (at + 1 < size) {
        if (data[at] != 0xff)
            return false;
        const uchar marker = data[at + 1];
        at += 2;
        if (marker == 0xff) { // fill
            --at;
            continue;
        }
        if (marker == 0xd9)
            return true;
        if ((marker >= 0xd0 && marker <= 0xd7) || marker == 0x01)
            continue;
        if (at + 1 >= size)
            return false;
        at += (data[at] << 8) | data[at + 1];
        if (marker != 0xda)
            continue;
        // Entropy-coded data run to the next marker that is not a stuffed byte or a restart.
        while (at + 1 < size &&
               !(data[at] == 0xff && data[at + 1] != 0 && (data[at + 1] < 0xd0 || data[at + 1] > 0xd7)))
            ++at;
    }
    return false;
}

bool isWhole(const QString& path, const QByteArray& format) {
    if (format != "jpeg")
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const uchar* data = file.map(0, file.size());
    return data && jpegIsWhole(data, file.size());
}

} // namespace

QRect centredSquare(QSize size) {
    const int side = qMin(size.width(), size.height());
    return {(size.width() - side) / 2, (size.height() - side) / 2, side, side};
}

QImage readOwnPicture(const QString& path, int pixels) {
    if (g_beforePictureRead)
        g_beforePictureRead();
    // Only a regular file: a named pipe would block the reader, a device never end.
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true); // a JPEG named .png is still a picture
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty())
        return {};
    // Cut and scaled while decoding: a JPEG is then decoded at a fraction of its size, and a
    // 24-megapixel photo never lies whole in memory.
    const QRect square = centredSquare(stored);
    reader.setClipRect(square);
    const int side = qMax(1, qMin(square.width(), pixels));
    if (side < square.width())
        reader.setScaledSize(QSize(side, side));
    const QByteArray format = reader.format(); // known before reading only
    QImage image = reader.read();
    if (image.isNull() || !isWhole(path, format))
        return {};
    if (image.width() != image.height() || image.width() < LeastSide) {
        const int to = qMax(LeastSide, qMin(image.width(), image.height()));
        image = image.scaled(to, to, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return image.convertToFormat(QImage::Format_RGB32); // transparent parts over black
}
