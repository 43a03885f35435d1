// A fresh board: the whole picture of the current grid size in solved order, clock stopped.

#include "errors/Procedure.h"
#include "render/BoardGeometry.h"
#include "render/Decoration.h"
#include "render/ImageControl.h"
#include "shell/frmMirvel.h"

#include <QPushButton>
#include <QTimer>

void frmMirvel::NewGame() {
    Procedure p("frmMirvel", "NewGame");
    BoardGeometry g;
    const rt::Integer N = GridSize;
    p.run({
        [&] {
            // During start-up the size menu calls this before the first layout, which places
            // the tiles itself.
            if (!m_newGameCalled) {
                m_newGameCalled = true;
                p.leave();
            }
        },
        [&] { g = boardInClient(client->size(), N); },
        [&] {
            GameSeconds = 0;
            Timer1->stop();
        },
        [&] { IsSolved = rt::True; },
        [&] {
            PicClip1.setRows(N);
            PicClip1.setCols(N);
        },
        [&] { g.T = tileSide(g.S, N); },
        [&] {
            for (int i = 0; i < 64; ++i)
                imgPuzz(i)->hide();
        },
        [&] { dealPictureCells(N, g.T); },
        [&] { placeTiles(g, N, true); },
        [&] { EmptyCell = rt::checked(qint64(N) * N - 1); },
        [&] { PicBut(0)->setEnabled(true); },
    });
}
