#pragma once
// The program's pictures at the screen's resolution.

#include <QPixmap>

// A drawing: on a HiDPI screen its "@2x" copy (twice the pixels for the same size on screen)
// when it has one, else the drawing.
QPixmap loadPicture(const QString& resource);

// A puzzle picture, 400 pixels wide on screen at the design's board, with as many of the
// file's pixels as the largest board this screen allows can show (no more than the file has):
// a board cut from it is sharp at any window size, and a small screen does not hold pixels it
// cannot show.
QPixmap loadPuzzlePicture(const QString& resource);

// A decoded puzzle picture as the board takes it: 400 pixels wide on screen, whatever it holds.
QPixmap puzzlePixmap(QImage image);

// The device pixels of the largest board the primary screen allows: no puzzle picture needs more.
int largestBoardPixels();

// A built-in puzzle picture decoded at no more than `pixels` a side (and no more than it has).
QImage readPuzzlePicture(const QString& resource, int pixels);

// Reading a picture file on another thread, at the largest board's pixels: `read` is
// readPuzzlePicture or readOwnPicture (render/OwnPicture.h). prefetchPicture starts it ahead, for
// the start's picture (PrefetchSavedPicture); takePicture of the same file takes that result,
// or starts reading and waits for it.
using PictureReader = QImage (*)(const QString& file, int pixels);
void prefetchPicture(const QString& file, PictureReader read);
QImage takePicture(const QString& file, PictureReader read);
