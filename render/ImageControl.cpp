#include "render/ImageControl.h"

#include <QMouseEvent>
#include <QPainter>

ImageControl::ImageControl(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ImageControl::setPicture(const QPixmap& picture, int piece) {
    m_picture = picture;
    m_piece = piece;
    update();
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
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(event->button(), event->modifiers(), event->position());
    event->accept();
}
