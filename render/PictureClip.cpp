#include "render/PictureClip.h"

#include "errors/RuntimeError.h"

QRect clipCellRect(QSize picture, int rows, int cols, int index) {
    const int w = picture.width() / cols;
    const int h = picture.height() / rows;
    return {(index % cols) * w, (index / cols) * h, w, h};
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

QPixmap PictureClip::GraphicCell(int index) const {
    if (m_picture.isNull())
        raiseError(ErrNo::InvalidCall, QStringLiteral("No picture"));
    if (index < 0 || index >= m_rows * m_cols)
        raiseError(ErrNo::SubscriptOutOfRange);
    return m_picture.copy(clipCellRect(m_picture.size(), m_rows, m_cols, index));
}
