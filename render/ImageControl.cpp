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

void ImageControl::paintEvent(QPaintEvent*) {
    if (m_picture.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(rect(), m_picture);
    if (m_bevelled && width() > 4 && height() > 4) {
        const QRect r = rect().adjusted(0, 0, -1, -1);
        p.setPen(QColor(255, 255, 255, 70));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(QColor(0, 0, 0, 110));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
}

void ImageControl::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(event->button(), event->modifiers(), event->position());
    event->accept();
}
