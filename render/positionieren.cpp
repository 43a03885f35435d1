// Fits board and decoration into the client area: the tiles get their picture cells and
// places, then the frame, the two shutters, the sill, and the buttons and clock on the right
// shutter are arranged round them. The first layout deals a fresh board; every later one
// (the window was resized) keeps the game as it is, and once the window has rested a moment
// the pieces are cut and the shutter drawn again for their new size. Until then they are
// stretched: a live resize follows the mouse instead of waiting for sharp pictures that the
// next step throws away.

#include "errors/Procedure.h"
#include "render/BoardGeometry.h"
#include "render/Decoration.h"
#include "render/Drawings.h"
#include "render/ImageControl.h"
#include "shell/frmMirvel.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

void frmMirvel::positionieren(Layout kind) {
    Procedure p("frmMirvel", "positionieren");
    const rt::Integer N = GridSize;
    const bool first = kind == Layout::First;
    BoardGeometry g;
    DecorationLayout d;
    p.run({
        [&] { g = boardInClient(client->size(), N); },
        [&] {
            PicClip1.setRows(N);
            PicClip1.setCols(N);
        },
        [&] { g.T = tileSide(g.S, N); },
        [&] {
            if (!first)
                return;
            for (int i = 0; i < 64; ++i)
                imgPuzz(i)->hide();
            shpRahmen->hide();
            imgLaden(0)->hide();
            imgLaden(1)->hide();
            linBank->hide();
        },
        [&] { first ? dealPictureCells(N, g.T) : m_sharpen->start(); },
        [&] { placeTiles(g, N, false); },
        [&] {
            if (first)
                EmptyCell = rt::checked(qint64(N) * N - 1);
        },
        [&] {
            scaleControls(controlScale(g));
            d = decorationLayout(g, imgPuzz(0)->Top(), PicBut(0)->width(), lblTime->width());
            shpRahmen->setShapeGeometry(d.frame);
            shpRahmen->lower(); // the tiles are drawn over the frame
        },
        [&] {
            if (first)
                imgLaden(0)->setPicture(drawShutter(d.leftShutter.size()));
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

QPixmap frmMirvel::drawShutter(QSizeF size) const {
    return renderDrawing(QStringLiteral(":/decoration/shutter.svg"), size, devicePixelRatioF());
}

void frmMirvel::sharpenPictures() {
    recutPictureCells(GridSize, qRound(imgPuzz(0)->Width()));
    imgLaden(0)->setPicture(drawShutter(QSizeF(imgLaden(0)->Width(), imgLaden(0)->Height())));
    imgLaden(1)->setPicture(imgLaden(0)->Picture());
}

void frmMirvel::scaleControls(double scale) {
    // Their design sizes at the design board: buttons of 37 pixels with 32-pixel icons, the
    // clock 65 x 35 with a 14.25-point figure.
    const char* icons[] = {":/icons/start.svg", ":/icons/stop.svg"};
    const int side = qRound(37 * scale), icon = qRound(32 * scale);
    for (int k = 0; k < 2; ++k) {
        PicBut(k)->setFixedSize(side, side);
        PicBut(k)->setIconSize(QSize(icon, icon));
        PicBut(k)->setIcon(QIcon(renderDrawing(QLatin1String(icons[k]), QSizeF(icon, icon), devicePixelRatioF())));
    }
    lblTime->setFixedSize(qRound(65 * scale), qRound(35 * scale));
    QFont font = lblTime->font();
    font.setPointSizeF(14.25 * scale);
    lblTime->setFont(font);
}
