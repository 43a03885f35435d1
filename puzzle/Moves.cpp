// The player's moves: a press on a tile next to the empty cell slides it in, and after every
// press the board is tested for the solved picture.

#include "errors/Procedure.h"
#include "puzzle/BoardRules.h"
#include "render/ImageControl.h"
#include "shell/Globals.h"
#include "shell/frmMirvel.h"
#include "sound/Sound.h"

#include <QAction>
#include <QPushButton>
#include <QTimer>

void frmMirvel::imgPuzz_MouseDown(int Index, Qt::MouseButton, Qt::KeyboardModifiers, double, double) {
    if (m_pictureLoading)
        return; // the board is about to change its picture
    Procedure p("frmMirvel", "imgPuzz_MouseDown");
    const rt::Integer N = GridSize;
    const rt::Integer k = rt::checked(Index);
    bool next = false;
    p.run({
        [&] { next = isNextToEmpty(k, EmptyCell, N); },
        [&] {
            if (next) {
                ChangeButtons(k);
                if (SoundOn)
                    PlayWAV(102);
            }
        },
        [&] {
            QStringList tags;
            const rt::Integer cells = rt::mul(N, N);
            for (rt::Integer i = 0; i < cells - 1; ++i)
                tags.append(imgPuzz(i)->Tag());
            IsSolved = rt::toBoolean(isSolvedOrder(tags, N));
        },
        [&] {
            // A game was running: show the last piece, so the picture is complete.
            if (IsSolved && Timer1->isActive()) {
                if (SoundOn)
                    PlayWAV(101);
                showPiece(imgPuzz(EmptyCell), rt::mul(N, N) - 1, imgPuzz(EmptyCell)->Width());
            }
        },
        [&] {
            if (IsSolved)
                Timer1->stop();
        },
        [&] {
            if (IsSolved)
                WriteHighScore();
        },
        [&] {
            if (IsSolved)
                mnuHighScore->setEnabled(true);
        },
        [&] {
            if (IsSolved)
                GameSeconds = 0;
        },
        [&] {
            if (IsSolved)
                PicBut(0)->setEnabled(true);
        },
        [&] {
            if (!IsSolved)
                PicBut(0)->setEnabled(false);
        },
    });
}

void frmMirvel::ChangeButtons(const rt::Integer& Index) {
    Procedure p("frmMirvel", "ChangeButtons");
    p.run({
        [&] { imgPuzz(EmptyCell)->setTag(imgPuzz(Index)->Tag()); },
        [&] { imgPuzz(EmptyCell)->setPicture(imgPuzz(Index)->Picture(), imgPuzz(Index)->Piece()); },
        [&] { imgPuzz(EmptyCell)->show(); },
        [&] { EmptyCell = Index; },
        [&] { imgPuzz(Index)->setTag(QString()); },
        [&] { imgPuzz(Index)->setPicture(imgLeer->Picture()); },
    });
}

void frmMirvel::pressNeighbourOfBlank(int rowStep, int colStep) {
    // An arrow key presses the tile on that side of the blank, exactly as the mouse would.
    const int N = GridSize;
    if (N <= 0)
        return;
    const int row = EmptyCell / N + rowStep, col = EmptyCell % N + colStep;
    if (row < 0 || row >= N || col < 0 || col >= N)
        return;
    imgPuzz_MouseDown(row * N + col, Qt::NoButton, Qt::NoModifier, 0, 0);
}
