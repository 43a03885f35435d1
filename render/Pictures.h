#pragma once
// The program's pictures at the screen's resolution: on a HiDPI screen a resource's "@2x"
// drawing (twice the pixels for the same size on screen) when it has one, else the picture.

#include <QPixmap>

QPixmap loadPicture(const QString& resource);

// Starts decoding a picture on another thread (once the application object exists); the next
// loadPicture of it takes the result. The puzzle's picture is the start's largest.
void prefetchPicture(const QString& resource);
