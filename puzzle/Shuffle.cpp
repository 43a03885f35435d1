// Scrambles the board by N^4 random moves of the empty cell and starts the clock. A chain of
// legal moves always leaves a solvable board, so no parity check is needed.

#include "errors/Procedure.h"
#include "puzzle/BoardRules.h"
#include "render/ImageControl.h"
#include "shell/Random.h"
#include "shell/frmMirvel.h"

#include <QTimer>

void frmMirvel::Shuffle() {
    Procedure p("frmMirvel", "Shuffle");
    const rt::Integer N = GridSize;
    rt::Integer c = 0, r = 0;
    p.run({
        [&] {
            // Hidden, so that thousands of exchanges are not drawn one by one.
            for (rt::Integer i = 0; i < rt::mul(N, N); ++i)
                imgPuzz(i)->hide();
        },
        [&] {
            c = rt::mod(EmptyCell, N);
            r = rt::idiv(EmptyCell, N);
        },
        [&] {
            const double moves = static_cast<double>(N) * N * N * N;
            for (rt::Integer i = 0; i < moves;) {
                const auto d = static_cast<ShuffleDirection>(static_cast<int>(4 * Rnd()));
                if (!stepEmptyCell(d, N, c, r))
                    continue; // pointed out of the board: draw again, uncounted
                const rt::Integer n = rt::checked(r * N + c);
                ImageControl* from = imgPuzz(n);
                ImageControl* to = imgPuzz(EmptyCell);
                to->setTag(from->Tag());
                to->setPicture(from->Picture(), from->Piece());
                // The cell the empty cell moved into never keeps a tile number.
                from->setTag(QString());
                EmptyCell = n;
                ++i;
            }
        },
        [&] {
            for (rt::Integer i = 0; i < rt::mul(N, N); ++i)
                imgPuzz(i)->show();
        },
        [&] { imgPuzz(EmptyCell)->setPicture(imgLeer->Picture()); },
        [&] { IsSolved = rt::False; },
        [&] { Timer1->start(); },
    });
}
