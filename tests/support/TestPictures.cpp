#include "support/TestPictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

QImage quarters(int side) {
    QImage image(side, side, QImage::Format_RGB32);
    QPainter p(&image);
    const int h = side / 2;
    p.fillRect(0, 0, h, h, Qt::red), p.fillRect(h, 0, side - h, h, Qt::green);
    p.fillRect(0, h, h, side - h, Qt::blue), p.fillRect(h, h, side - h, side - h, Qt::yellow);
    return image;
}

// The quarters between two white bands: what the centred square of it must show.
QImage banded(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int side = qMin(width, height);
    QPainter(&image).drawImage((width - side) / 2, (height - side) / 2, quarters(side));
    return image;
}

void write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    (void)f.open(QIODevice::WriteOnly), f.write(bytes);
}

QByteArray jpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    (void)buffer.open(QIODevice::WriteOnly), image.save(&buffer, "JPEG", 95);
    return bytes;
}

// A JPEG that says, in its EXIF data, that it is stored turned a quarter to the left: shown
// upright it is the wide banded picture.
QByteArray sidewaysJpeg() {
    const QImage stored = banded(600, 200).transformed(QTransform().rotate(-90));
    QByteArray tiff("MM\0\x2a\0\0\0\x08", 8);                     // big-endian, first IFD at 8
    tiff += QByteArray("\0\x01", 2);                              // one entry
    tiff += QByteArray("\x01\x12\0\x03\0\0\0\x01\0\x06\0\0", 12); // Orientation (3 = SHORT) = 6
    tiff += QByteArray(4, '\0');                                  // no next IFD
    const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xff\xe1", 2);
    const quint16 length = qToBigEndian<quint16>(exif.size() + 2);
    segment += QByteArray(reinterpret_cast<const char*>(&length), 2) + exif;
    return jpeg(stored).insert(2, segment); // right after the start of image
}

quint32 crc32(const QByteArray& data) {
    quint32 crc = 0xffffffff;
    for (const char byte : data) {
        crc ^= quint8(byte);
        for (int k = 0; k < 8; ++k)
            crc = crc & 1 ? (crc >> 1) ^ 0xedb88320 : crc >> 1;
    }
    return ~crc;
}

// A PNG whose header claims 30000 x 30000 pixels (3.6 GB decoded) in a file of a few bytes.
QByteArray hugePng() {
    QByteArray header("IHDR", 4);
    const quint32 side = qToBigEndian<quint32>(30000);
    header += QByteArray(reinterpret_cast<const char*>(&side), 4).repeated(2);
    header += QByteArray("\x08\x06\0\0\0", 5); // 8 bits, RGBA
    const quint32 length = qToBigEndian<quint32>(13), crc = qToBigEndian(crc32(header));
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(reinterpret_cast<const char*>(&length), 4) + header +
           QByteArray(reinterpret_cast<const char*>(&crc), 4);
}

} // namespace

void makeTestPictures(const QString& folder) {
    QDir().mkpath(folder);
    const QString at = folder + u'/';
    quarters(200).save(at + u"quarters.png"_s);
    banded(600, 200).save(at + u"wide.png"_s);
    banded(200, 600).save(at + u"tall.png"_s);
    write(at + u"sideways.jpg"_s, sidewaysJpeg());
    quarters(10).save(at + u"tiny.png"_s);
    QImage alpha(100, 100, QImage::Format_ARGB32);
    alpha.fill(Qt::transparent);
    QPainter(&alpha).fillRect(0, 50, 100, 50, Qt::red);
    alpha.save(at + u"alpha.png"_s);
    // Names the options file must keep as they are.
    for (const char* name : {"trailing ", "ends in \"", "Müller=Bild.png", "line\nbreak.png"})
        quarters(200).save(at + QString::fromUtf8(name), "PNG");
    // No pictures.
    write(at + u"text.png"_s, "This is a text, whatever its name says.\n");
    write(at + u"empty.png"_s, {});
    const QByteArray whole = jpeg(quarters(400));
    write(at + u"truncated.jpg"_s, whole.left(whole.size() * 2 / 3));
    QByteArray png;
    {
        QBuffer buffer(&png);
        (void)buffer.open(QIODevice::WriteOnly), quarters(400).save(&buffer, "PNG");
    }
    write(at + u"truncated.png"_s, png.left(png.size() / 2));
    write(at + u"huge.png"_s, hugePng());
    QDir().mkpath(at + u"folder.png"_s);
    ::mkfifo(QFile::encodeName(at + u"pipe.png"_s).constData(), 0600);
}

QString quarterColours(const QPixmap& picture) {
    const QImage image = picture.toImage();
    const int w = image.width(), h = image.height();
    QStringList colours;
    for (const QPoint& at :
         {QPoint(w / 4, h / 4), QPoint(3 * w / 4, h / 4), QPoint(w / 4, 3 * h / 4), QPoint(3 * w / 4, 3 * h / 4)}) {
        const QColor c(image.pixel(at));
        const std::pair<const char*, QColor> names[] = {{"red", Qt::red},     {"green", Qt::green},
                                                        {"blue", Qt::blue},   {"yellow", Qt::yellow},
                                                        {"white", Qt::white}, {"black", Qt::black}};
        QString name = u"other"_s;
        for (const auto& [n, colour] : names)
            if (qAbs(c.red() - colour.red()) + qAbs(c.green() - colour.green()) + qAbs(c.blue() - colour.blue()) < 60)
                name = QString::fromLatin1(n);
        colours.append(name);
    }
    return colours.join(u',');
}

bool showsFigures(const QImage& tile) {
    int light = 0, dark = 0;
    for (int y = 2; y < tile.height() / 2; ++y)
        for (int x = 2; x < tile.width() / 2; ++x) {
            const QColor c = tile.pixelColor(x, y);
            light += c.lightness() > 225 && c.saturation() < 40;
            dark += c.lightness() < 40;
        }
    return light > 4 && dark > 4;
}
