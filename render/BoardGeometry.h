#pragma once
// The board's geometry in the client area of W x H pixels for an N x N grid, in the program's
// 16-bit arithmetic: board side S = 0.7 H, left margin M = (W - S) halved, tile side T = S / N
// (each rounded half to even), tile (r, c) at left M + N + T c and top N + T r + 0.1 S.
// Every sum and product is checked, so an absurd window size raises error 6.

#include "shell/Runtime.h"

#include <QPointF>
#include <QRectF>
#include <QSize>

// The window's design: a client area of 684 x 470 pixels, with a board of 329 pixels. The
// buttons and the clock have their design sizes at that board and grow and shrink with it.
inline constexpr QSize DesignClient{684, 470};
inline constexpr double DesignBoard = 329;

struct BoardGeometry {
    rt::Integer S = 0; // board side
    rt::Integer M = 0; // left margin
    rt::Integer T = 0; // tile side
    double top = 0;    // top of the area the board is laid out in
};

rt::Integer boardSide(double H);
rt::Integer boardLeft(double W, rt::Integer S);
rt::Integer tileSide(rt::Integer S, rt::Integer N);
BoardGeometry boardGeometry(double W, double H, rt::Integer N);

// The largest area of the design's proportions that fits a client of that size, centred in it.
// The board and its decoration are laid out in it, so that a wide or tall window keeps them
// whole and in proportion.
QRectF fittedArea(QSizeF client);
// The geometry for a client of that size: H is the fitted area's height, W the client's width
// (halving it centres the board in the client, as the area is), `top` the area's top.
BoardGeometry boardInClient(QSizeF client, rt::Integer N);
// How much the buttons and the clock are scaled for a board of side S.
double controlScale(const BoardGeometry& g);
double tileLeft(const BoardGeometry& g, rt::Integer N, rt::Integer c);
double tileTop(const BoardGeometry& g, rt::Integer N, rt::Integer r);

// The decoration round the board, from S, M, the top of tile 0 (Y0), the left shutter's width
// as placed, and the sizes of the start button and the clock label.
struct DecorationLayout {
    QRectF frame;        // shpRahmen
    QRectF leftShutter;  // imgLaden(0)
    QRectF rightShutter; // imgLaden(1)
    double sillX1 = 0, sillX2 = 0, sillY = 0;
    QPointF button[2]; // PicBut(0), PicBut(1)
    QPointF clock;     // lblTime
};
DecorationLayout decorationLayout(const BoardGeometry& g, double Y0, double buttonWidth, double labelWidth);
