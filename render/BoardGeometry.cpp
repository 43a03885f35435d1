#include "render/BoardGeometry.h"

rt::Integer boardSide(double H) {
    return rt::CInt(H * 0.7);
}
rt::Integer boardLeft(double W, rt::Integer S) {
    return rt::idiv(rt::CInt(W - S), 2);
}
rt::Integer tileSide(rt::Integer S, rt::Integer N) {
    return rt::CInt(static_cast<double>(S) / N);
}

BoardGeometry boardGeometry(double W, double H, rt::Integer N) {
    BoardGeometry g;
    g.S = boardSide(H);
    g.M = boardLeft(W, g.S);
    g.T = tileSide(g.S, N);
    return g;
}

QRectF fittedArea(QSizeF client) {
    const double aspect = double(DesignClient.width()) / DesignClient.height();
    QSizeF area(client.width(), client.width() / aspect);
    if (area.height() > client.height())
        area = QSizeF(client.height() * aspect, client.height());
    return {QPointF((client.width() - area.width()) / 2, (client.height() - area.height()) / 2), area};
}

BoardGeometry boardInClient(QSizeF client, rt::Integer N) {
    const QRectF area = fittedArea(client);
    BoardGeometry g = boardGeometry(client.width(), area.height(), N);
    g.top = area.top();
    return g;
}

double controlScale(const BoardGeometry& g) {
    return g.S / DesignBoard;
}

double tileLeft(const BoardGeometry& g, rt::Integer N, rt::Integer c) {
    return rt::add(rt::add(g.M, N), rt::mul(g.T, c));
}

double tileTop(const BoardGeometry& g, rt::Integer N, rt::Integer r) {
    return rt::add(N, rt::mul(g.T, r)) + 0.1 * g.S + g.top;
}

DecorationLayout decorationLayout(const BoardGeometry& g, double Y0, double buttonWidth, double labelWidth) {
    const double S = g.S, M = g.M;
    DecorationLayout d;
    d.frame = QRectF(M - 3, Y0 - 5, S + 14, S + 13);
    const double shutterW = 0.45 * S, shutterH = 1.06 * S;
    d.leftShutter = QRectF(M - shutterW - 6, Y0 - 15, shutterW, shutterH);
    d.rightShutter = QRectF(M + S + 18, Y0 - 15, shutterW, shutterH);
    const double Y1 = d.leftShutter.top();
    d.sillX1 = M - 10;
    d.sillX2 = M + S + 15;
    d.sillY = Y1 + S + 32;
    const double X1 = d.rightShutter.left();
    const double w = d.leftShutter.width();
    const rt::Integer S10 = rt::add(g.S, 10);
    for (rt::Integer k = 0; k < 2; ++k)
        d.button[k] = QPointF(X1 + (w - buttonWidth) / 2, Y1 + rt::mul(k, S10) / 6.0 + 45);
    d.clock = QPointF(X1 + (w - labelWidth) / 2, Y1 + S10 / 3.0 + 45);
    return d;
}
