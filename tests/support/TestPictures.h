#pragma once
// Pictures a player might choose, made by the test: four coloured quarters (red, green, blue,
// yellow from the top left) that say which way up and which part of a picture the board shows,
// and files that are no picture at all.

#include <QPixmap>
#include <QString>

// Makes them in `folder` (see tests/data/README.md for the names).
void makeTestPictures(const QString& folder);
// The colours at the middle of the picture's four quarters, "red,green,blue,yellow" when it
// shows the quarters upright; a colour far from all named ones reads "other".
QString quarterColours(const QPixmap& picture);
// Whether the top-left quarter of what a tile shows on screen holds drawn figures: pixels
// near white beside pixels near black, which the quarters' plain colours do not have.
bool showsFigures(const QImage& tile);
