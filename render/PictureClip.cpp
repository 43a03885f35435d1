#include "render/PictureClip.h"

#include "errors/RuntimeError.h"

#include <utility>

QRect clipCellRect(QSize picture, int rows, int cols, int index) {
    const int w = picture.width() / cols;
    const int h = picture.height() / rows;
    return {(index % cols) * w, (index / cols) * h, w, h};
}

QPixmap scaledCell(const QPixmap& cell, double side, qreal ratio) {
    const int pixels = qMax(1, qRound(side * ratio));
    QPixmap scaled = cell.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

void PictureClip::setRows(int rows) {
    if (rows < 1)
        raiseError(ErrNo::InvalidPropertyValue);
    m_rows = rows;
}

void PictureClip::setCols(int cols) {
    if (cols < 1)
        raiseError(ErrNo::InvalidPropertyValue);
    m_cols = cols;
}

const QPixmap& PictureClip::Picture() const {
    if (m_later)
        m_picture = std::exchange(m_later, nullptr)();
    return m_picture;
}

QPixmap PictureClip::GraphicCell(int index) const {
    if (Picture().isNull())
        raiseError(ErrNo::InvalidCall, QStringLiteral("No picture"));
    if (index < 0 || index >= m_rows * m_cols)
        raiseError(ErrNo::SubscriptOutOfRange);
    // Cells are cut in the picture's own size on screen; a HiDPI drawing gives each cell its
    // pixels at full resolution.
    const qreal ratio = m_picture.devicePixelRatio();
    const QRect cell = clipCellRect((m_picture.deviceIndependentSize()).toSize(), m_rows, m_cols, index);
    QPixmap piece = m_picture.copy(QRectF(QPointF(cell.topLeft()) * ratio, QSizeF(cell.size()) * ratio).toRect());
    piece.setDevicePixelRatio(ratio);
    return piece;
}
