// The two board steps that the first layout and every new game share: giving each tile its
// number and picture cell, and placing the tiles on the grid.

#include "render/BoardGeometry.h"
#include "render/ImageControl.h"
#include "shell/frmMirvel.h"

void frmMirvel::dealPictureCells(rt::Integer N) {
    for (rt::Integer k = 0; k < rt::mul(N, N); ++k) {
        imgPuzz(k)->setTag(QString::number(k + 1));
        imgPuzz(k)->setPicture(PicClip1.GraphicCell(k));
    }
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
