#pragma once
// The board's geometry in the client area of W x H pixels for an N x N grid, in the program's
// 16-bit arithmetic: board side S = 0.7 H, left margin M = (W - S) halved, tile side T = S / N
// (each rounded half to even), tile (r, c) at left M + N + T c and top N + T r + 0.1 S.
// Every sum and product is checked, so an absurd window size raises error 6.

#include "shell/Runtime.h"

#include <QPointF>
#include <QRectF>

struct BoardGeometry {
    rt::Integer S = 0; // board side
    rt::Integer M = 0; // left margin
    rt::Integer T = 0; // tile side
};

rt::Integer boardSide(double H);
rt::Integer boardLeft(double W, rt::Integer S);
rt::Integer tileSide(rt::Integer S, rt::Integer N);
BoardGeometry boardGeometry(double W, double H, rt::Integer N);
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
