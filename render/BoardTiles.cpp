// The board steps that the layouts and every new game share: giving each tile its number and
// picture cell, cutting the pieces again for a new tile size, and placing the tiles on the grid.

#include "render/BoardGeometry.h"
#include "render/ImageControl.h"
#include "shell/frmMirvel.h"

void frmMirvel::showPiece(ImageControl* tile, int piece, double side) {
    tile->setPicture(scaledCell(PicClip1.GraphicCell(piece), side, devicePixelRatioF()), piece);
}

void frmMirvel::dealPictureCells(rt::Integer N, rt::Integer T) {
    for (rt::Integer k = 0; k < rt::mul(N, N); ++k) {
        imgPuzz(k)->setTag(QString::number(k + 1));
        showPiece(imgPuzz(k), k, T);
    }
}

void frmMirvel::recutPictureCells(rt::Integer N, rt::Integer T) {
    // Each cell keeps the piece it shows, which is not always the one its tag names: after a
    // win the last cell shows the last piece and holds no number. The blank stays blank.
    for (rt::Integer k = 0; k < rt::mul(N, N); ++k)
        if (imgPuzz(k)->Piece() >= 0)
            showPiece(imgPuzz(k), imgPuzz(k)->Piece(), T);
}

void frmMirvel::placeTiles(const BoardGeometry& g, rt::Integer N, bool show) {
    for (rt::Integer r = 0; r < N; ++r) {
        for (rt::Integer c = 0; c < N; ++c) {
            ImageControl* tile = imgPuzz(r * N + c);
            tile->setHeight(g.T);
            tile->setWidth(g.T);
            tile->setLeft(tileLeft(g, N, c));
            tile->setTop(tileTop(g, N, r));
            if (show)
                tile->show();
        }
    }
}
