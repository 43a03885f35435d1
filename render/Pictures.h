#pragma once
// The program's pictures at the screen's resolution: on a HiDPI screen a resource's "@2x"
// drawing (twice the pixels for the same size on screen) when it has one, else the picture.

#include <QPixmap>

QPixmap loadPicture(const QString& resource);
