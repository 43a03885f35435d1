#pragma once
// The picture cutter: holds one picture and hands out the cells of its division into
// Rows x Cols equal cells, numbered row by row from the top left. Where the picture's size is
// not a multiple of the counts, the rightmost columns and bottom rows of pixels are dropped.

#include <QPixmap>
#include <QRect>
#include <QSize>
#include <functional>

// The rectangle of cell index in a picture of the given size; pure, for the tests.
QRect clipCellRect(QSize picture, int rows, int cols, int index);
// A cell as a tile of that side shows it on a screen of that pixel ratio: scaled once to the
// tile's device pixels, so that drawing it is a plain copy and it is as sharp as the cut allows.
QPixmap scaledCell(const QPixmap& cell, double side, qreal ratio);

class PictureClip {
public:
    void setPicture(const QPixmap& picture) {
        m_picture = picture;
        m_later = nullptr;
    }
    // A picture still being read on another thread, taken when it is first needed: what comes
    // before (the about box) need not wait for it.
    void setPictureLater(std::function<QPixmap()> later) {
        m_picture = QPixmap();
        m_later = std::move(later);
    }
    const QPixmap& Picture() const;
    void setRows(int rows);
    void setCols(int cols);
    int Rows() const { return m_rows; }
    int Cols() const { return m_cols; }
    // Cell index of the current picture; error 9 outside 0..Rows*Cols-1, error 5 with no picture.
    QPixmap GraphicCell(int index) const;

private:
    mutable QPixmap m_picture;
    mutable std::function<QPixmap()> m_later;
    int m_rows = 1;
    int m_cols = 1;
};
