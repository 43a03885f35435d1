#pragma once
// An image control: a picture stretched to the control's size, a tag text, a position and size
// held as real numbers (the layout formulas produce fractions; the widget is placed on the
// nearest pixel), visibility, and a mouse-down event.

#include <QPixmap>
#include <QRectF>
#include <QWidget>

class ImageControl : public QWidget {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent = nullptr);

    const QString& Tag() const { return m_tag; }
    void setTag(const QString& tag) { m_tag = tag; }
    const QPixmap& Picture() const { return m_picture; }
    // `piece`: the cell of the cut picture it shows, so that a new layout can cut that piece
    // again at the new size; -1 for any other picture. A picture copied from another image
    // takes that image's piece with it.
    void setPicture(const QPixmap& picture, int piece = -1);
    int Piece() const { return m_piece; }

    // A tile of the board: a thin light and dark edge lets the player tell the pieces apart.
    // Its pictures are opaque, so what lies under it is not painted first.
    void setBevelled(bool bevelled) {
        m_bevelled = bevelled;
        setAttribute(Qt::WA_OpaquePaintEvent, bevelled);
    }

    // Draws the number of the piece it shows (piece + 1) in its top-left corner, for pictures
    // whose pieces are hard to tell apart. An image showing no piece shows no number.
    void setNumberShown(bool shown);

    double Left() const { return m_geometry.left(); }
    double Top() const { return m_geometry.top(); }
    double Width() const { return m_geometry.width(); }
    double Height() const { return m_geometry.height(); }
    void setLeft(double left);
    void setTop(double top);
    void setWidth(double width);
    void setHeight(double height);

signals:
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void place();

    QString m_tag;
    QPixmap m_picture;
    int m_piece = -1;
    QRectF m_geometry;
    bool m_bevelled = false;
    bool m_numberShown = false;
};
