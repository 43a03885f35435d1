#pragma once
// The drawn parts of the main window: the client area with its tiled background texture, the
// rectangle frame round the board and the sill line under it.

#include <QPixmap>
#include <QRectF>
#include <QWidget>

// The client area. Its background is a texture tiled from the top-left corner over the whole
// area at any size, under all controls.
class ClientArea : public QWidget {
    Q_OBJECT
public:
    explicit ClientArea(QWidget* parent = nullptr);
    void paintBackground(const QPixmap& texture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_texture;
};

// A rectangle shape with a solid border drawn centred on its outline.
class ShapeControl : public QWidget {
    Q_OBJECT
public:
    ShapeControl(QColor borderColor, int borderWidth, QWidget* parent = nullptr);
    QRectF shapeGeometry() const { return m_shape; }
    void setShapeGeometry(const QRectF& shape);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
    int m_width;
    QRectF m_shape;
};

// A line of a given colour and width between two points.
class LineControl : public QWidget {
    Q_OBJECT
public:
    LineControl(QColor color, int width, QWidget* parent = nullptr);
    void setLine(QPointF from, QPointF to);
    QPointF from() const { return m_from; }
    QPointF to() const { return m_to; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
    int m_width;
    QPointF m_from, m_to;
};
