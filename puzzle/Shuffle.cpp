// Scrambles the board by N^4 random moves of the empty cell and starts the clock. A chain of
// legal moves always leaves a solvable board, so no parity check is needed.

#include "errors/Procedure.h"
#include "puzzle/BoardRules.h"
#include "render/ImageControl.h"
#include "shell/Random.h"
#include "shell/frmMirvel.h"

#include <QTimer>
#include <numeric>
#include <vector>

void frmMirvel::Shuffle() {
    Procedure p("frmMirvel", "Shuffle");
    const rt::Integer N = GridSize;
    rt::Integer c = 0, r = 0;
    // The walk moves cell numbers: which cell's tile each cell holds. The tiles take their
    // places once at the end, so that thousands of exchanges cost no drawing.
    std::vector<rt::Integer> holds(static_cast<size_t>(N) * N);
    std::iota(holds.begin(), holds.end(), 0);
    p.run({
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
                holds.at(EmptyCell) = holds.at(n); // checked: a board in a bad state is an error, not a crash
                EmptyCell = n;
                ++i;
            }
        },
        [&] {
            struct Tile {
                QString tag;
                QPixmap picture;
                int piece;
            };
            std::vector<Tile> before;
            for (rt::Integer i = 0; i < rt::mul(N, N); ++i)
                before.push_back({imgPuzz(i)->Tag(), imgPuzz(i)->Picture(), imgPuzz(i)->Piece()});
            for (rt::Integer i = 0; i < rt::mul(N, N); ++i) {
                if (imgPuzz(i)->isHidden()) // every cell of the board shows, whatever came before
                    imgPuzz(i)->show();
                if (holds[i] == i)
                    continue;
                const Tile& tile = before[holds[i]];
                imgPuzz(i)->setTag(tile.tag);
                imgPuzz(i)->setPicture(tile.picture, tile.piece);
            }
            // The cell the empty cell ended in holds no tile number.
            imgPuzz(EmptyCell)->setTag(QString());
        },
        [&] { imgPuzz(EmptyCell)->setPicture(imgLeer->Picture()); },
        [&] { IsSolved = rt::False; },
        [&] { Timer1->start(); },
    });
}
