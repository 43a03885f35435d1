#include "render/Drawings.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <memory>

namespace {

struct Rendered {
    QSize pixels;
    QPixmap pixmap;
};

} // namespace

QPixmap renderDrawing(const QString& resource, QSizeF size, qreal ratio) {
    // Parsed once; the last rendering of each is kept, as a layout that moves the controls
    // without resizing them asks for the same size again.
    static QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
    static QHash<QString, Rendered> last;
    auto& renderer = renderers[resource];
    if (!renderer)
        renderer = std::make_shared<QSvgRenderer>(resource);
    if (!renderer->isValid())
        return {};
    const QSize pixels = (size * ratio).toSize().expandedTo(QSize(1, 1));
    Rendered& cached = last[resource];
    if (cached.pixels != pixels || cached.pixmap.devicePixelRatio() != ratio) {
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer->render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
        painter.end();
        cached.pixels = pixels;
        cached.pixmap = QPixmap::fromImage(std::move(image));
        cached.pixmap.setDevicePixelRatio(ratio);
    }
    return cached.pixmap;
}
