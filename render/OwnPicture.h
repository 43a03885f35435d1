#pragma once
// The player's own picture: any image file Qt can read, made into a puzzle picture like the
// built-in ones. Reading runs on any thread; nothing here touches a widget.

#include <QImage>
#include <QRect>
#include <QString>
#include <functional>

// The largest square in the middle of a picture of that size: what the board shows of a wide
// or tall picture. It is the same square whichever way the picture is turned.
QRect centredSquare(QSize size);

// The picture in the file at `path`, turned upright by its EXIF orientation, cut to its centred
// square, at no more than `pixels` a side (and no more than the file has; a smaller one is
// enlarged smoothly to the 400 pixels of a built-in picture), transparent parts over black.
// A null image when the file is not a regular file, is no picture Qt can read, is damaged, or is
// larger than Qt will allocate.
QImage readOwnPicture(const QString& path, int pixels);

// Called on the reading thread before the file is opened: the tests' way to see where reading
// runs and to hold it while they look at the window.
inline std::function<void()> g_beforePictureRead;
