#include "render/Decoration.h"

#include <QPaintEvent>
#include <QPainter>

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(128, 0, 0));
    setPalette(pal);
}

void ClientArea::paintBackground(const QPixmap& texture) {
    // Opaque, the texture is copied rather than blended, and it covers everything: a large
    // window is repainted in a fraction of the time.
    m_texture = QPixmap::fromImage(texture.toImage().convertToFormat(QImage::Format_RGB32));
    m_texture.setDevicePixelRatio(texture.devicePixelRatio());
    setAttribute(Qt::WA_OpaquePaintEvent, !m_texture.isNull());
    update();
}

void ClientArea::paintEvent(QPaintEvent* event) {
    if (m_texture.isNull())
        return;
    QPainter p(this);
    p.drawTiledPixmap(event->rect(), m_texture, event->rect().topLeft());
}

ShapeControl::ShapeControl(QColor borderColor, int borderWidth, QWidget* parent)
    : QWidget(parent), m_color(borderColor), m_width(borderWidth) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeControl::setShapeGeometry(const QRectF& shape) {
    m_shape = shape;
    // Half the border lies outside the outline: the widget takes that room too.
    const double half = m_width / 2.0;
    setGeometry(shape.adjusted(-half, -half, half, half).toAlignedRect());
    update();
}

void ShapeControl::paintEvent(QPaintEvent*) {
    // The border as four filled bands rather than a stroked outline: a plain fill is copied,
    // where the stroke of a tall frame went through the painter's threaded span filling.
    QPainter p(this);
    const double w = m_width;
    const QRectF outer = m_shape.translated(-pos()).adjusted(-w / 2, -w / 2, w / 2, w / 2);
    p.fillRect(QRectF(outer.left(), outer.top(), outer.width(), w), m_color);
    p.fillRect(QRectF(outer.left(), outer.bottom() - w, outer.width(), w), m_color);
    p.fillRect(QRectF(outer.left(), outer.top() + w, w, outer.height() - 2 * w), m_color);
    p.fillRect(QRectF(outer.right() - w, outer.top() + w, w, outer.height() - 2 * w), m_color);
}

LineControl::LineControl(QColor color, int width, QWidget* parent) : QWidget(parent), m_color(color), m_width(width) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::setLine(QPointF from, QPointF to) {
    m_from = from;
    m_to = to;
    const double half = m_width / 2.0;
    setGeometry(QRectF(from, to).normalized().adjusted(-half, -half, half, half).toAlignedRect());
    update();
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QPen pen(m_color, m_width);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(m_from - pos(), m_to - pos());
}
