// Fits board and decoration into the client area, once, at the first display: the tiles get
// their picture cells and places, then the frame, the two shutters, the sill, and the buttons
// and clock on the right shutter are arranged round them.

#include "errors/Procedure.h"
#include "render/BoardGeometry.h"
#include "render/Decoration.h"
#include "render/ImageControl.h"
#include "shell/frmMirvel.h"

#include <QLabel>
#include <QPushButton>

void frmMirvel::positionieren() {
    Procedure p("frmMirvel", "positionieren");
    const rt::Integer N = GridSize;
    BoardGeometry g;
    DecorationLayout d;
    p.run({
        [&] {
            g.S = boardSide(clientHeight());
            g.M = boardLeft(clientWidth(), g.S);
        },
        [&] {
            PicClip1.setRows(N);
            PicClip1.setCols(N);
        },
        [&] { g.T = tileSide(g.S, N); },
        [&] {
            for (int i = 0; i < 64; ++i)
                imgPuzz(i)->hide();
            shpRahmen->hide();
            imgLaden(0)->hide();
            imgLaden(1)->hide();
            linBank->hide();
        },
        [&] { dealPictureCells(N); },
        [&] { placeTiles(g, N, false); },
        [&] { EmptyCell = rt::checked(qint64(N) * N - 1); },
        [&] {
            d = decorationLayout(g, imgPuzz(0)->Top(), PicBut(0)->width(), lblTime->width());
            shpRahmen->setShapeGeometry(d.frame);
            shpRahmen->lower(); // the tiles are drawn over the frame
        },
        [&] {
            imgLaden(0)->setHeight(d.leftShutter.height());
            imgLaden(0)->setWidth(d.leftShutter.width());
            imgLaden(0)->setLeft(d.leftShutter.left());
            imgLaden(0)->setTop(d.leftShutter.top());
        },
        [&] {
            imgLaden(1)->setPicture(imgLaden(0)->Picture());
            imgLaden(1)->setHeight(d.rightShutter.height());
            imgLaden(1)->setWidth(d.rightShutter.width());
            imgLaden(1)->setLeft(d.rightShutter.left());
            imgLaden(1)->setTop(d.rightShutter.top());
        },
        [&] { linBank->setLine(QPointF(d.sillX1, d.sillY), QPointF(d.sillX2, d.sillY)); },
        [&] {
            for (rt::Integer k = 0; k < rt::mul(N, N); ++k)
                imgPuzz(k)->show();
            shpRahmen->show();
            imgLaden(0)->show();
            imgLaden(1)->show();
            linBank->show();
        },
        [&] {
            for (int k = 0; k < 2; ++k) {
                PicBut(k)->move(d.button[k].toPoint());
                PicBut(k)->show();
                PicBut(k)->raise();
            }
        },
        [&] {
            lblTime->move(d.clock.toPoint());
            lblTime->raise();
        },
    });
}
