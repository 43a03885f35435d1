#include "render/ImageControl.h"

#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

ImageControl::ImageControl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ImageControl::setPicture(const QPixmap& picture, int piece) {
    m_picture = picture;
    m_piece = piece;
    update();
}

void ImageControl::setNumberShown(bool shown) {
    if (shown != m_numberShown) {
        m_numberShown = shown;
        update();
    }
}

void ImageControl::setLeft(double left) {
    m_geometry.moveLeft(left);
    place();
}
void ImageControl::setTop(double top) {
    m_geometry.moveTop(top);
    place();
}
void ImageControl::setWidth(double width) {
    m_geometry.setWidth(width);
    place();
}
void ImageControl::setHeight(double height) {
    m_geometry.setHeight(height);
    place();
}

void ImageControl::place() {
    // Edges are rounded, not origin and size, so that neighbouring tiles meet without gaps.
    const int left = qRound(m_geometry.left());
    const int top = qRound(m_geometry.top());
    setGeometry(left, top, qRound(m_geometry.right()) - left, qRound(m_geometry.bottom()) - top);
}

namespace {

// The edge of a tile, drawn once for each tile size: drawn afresh with lines at every paint,
// each edge went through the painter's threaded span filling, which cost a large board's
// repaint more than the pictures themselves.
const QPixmap& bevelOf(QSize size) {
    static QSize last;
    static QPixmap bevel;
    if (size != last) {
        QImage edges(size, QImage::Format_ARGB32_Premultiplied);
        edges.fill(Qt::transparent);
        const QRgb light = qPremultiply(qRgba(255, 255, 255, 70)), dark = qPremultiply(qRgba(0, 0, 0, 110));
        const int w = size.width(), h = size.height();
        for (int x = 0; x < w; ++x)
            edges.setPixel(x, 0, light), edges.setPixel(x, h - 1, dark);
        for (int y = 1; y < h - 1; ++y)
            edges.setPixel(0, y, light), edges.setPixel(w - 1, y, dark);
        edges.setPixel(w - 1, 0, dark);
        bevel = QPixmap::fromImage(std::move(edges));
        last = size;
    }
    return bevel;
}

// The number of a piece as a tile of that size shows it: light figures in a dark outline, legible
// on any picture, a quarter of the tile high. Drawn once for each number, size and pixel ratio,
// as a resize repaints every tile.
QPixmap numberOf(int number, QSize tile, qreal ratio) {
    static QHash<quint64, QPixmap> drawn;
    const quint64 key = quint64(number) | quint64(tile.height()) << 16 | quint64(qRound(ratio * 100)) << 40;
    if (const auto it = drawn.constFind(key); it != drawn.constEnd())
        return *it;
    if (drawn.size() > 512) // a drag through many sizes
        drawn.clear();
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans")});
    font.setBold(true);
    font.setPixelSize(qMax(6, tile.height() / 4));
    QPainterPath figures;
    const qreal outline = qMax(1.5, font.pixelSize() / 5.0);
    figures.addText(0, 0, font, QString::number(number));
    figures.translate(-figures.boundingRect().topLeft() + QPointF(outline, outline));
    const QSizeF size = figures.boundingRect().size() + QSizeF(2 * outline, 2 * outline);
    QPixmap picture((size * ratio).toSize() + QSize(1, 1));
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.strokePath(figures, QPen(QColor(0, 0, 0, 200), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(figures, QColor(255, 255, 240));
    p.end();
    drawn.insert(key, picture);
    return picture;
}

} // namespace

void ImageControl::paintEvent(QPaintEvent*) {
    if (m_picture.isNull())
        return;
    QPainter p(this);
    // Pictures are made at the size they are shown at; one is stretched only for the moments
    // of a live resize, where speed counts more than smoothness.
    p.drawPixmap(rect(), m_picture);
    if (m_bevelled && width() > 4 && height() > 4)
        p.drawPixmap(0, 0, bevelOf(size()));
    if (m_numberShown && m_piece >= 0) {
        const int margin = qMax(2, height() / 16);
        p.drawPixmap(margin, margin, numberOf(m_piece + 1, size(), devicePixelRatioF()));
    }
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(event->button(), event->modifiers(), event->position());
    event->accept();
}
