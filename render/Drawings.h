#pragma once
// The program's drawings (the shutters, the button icons), rendered from their SVG sources at
// the size they are shown at and in the screen's device pixels, so that they are sharp at any
// window size.

#include <QPixmap>
#include <QSizeF>

// The drawing of a resource stretched to `size` on a screen of that pixel ratio; a null
// pixmap when the resource is missing or not a drawing.
QPixmap renderDrawing(const QString& resource, QSizeF size, qreal ratio);
