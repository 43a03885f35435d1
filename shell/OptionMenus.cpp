// The grid-size and picture menus: each choice resets the board and is stored at once.

#include "errors/Procedure.h"
#include "shell/Allgemein.h"
#include "shell/frmMirvel.h"

#include <QAction>

void frmMirvel::mnuSize_Click(int Index) {
    Procedure p("frmMirvel", "mnuSize_Click");
    p.run({
        [&] {
            for (int i = 0; i < 6; ++i)
                mnuSize(i)->setChecked(false);
            mnuSize(Index)->setChecked(true);
        },
        [&] { GridSize = rt::checked(Index + 3LL); },
        [&] { NewGame(); },
        [&] { WriteIniString(QStringLiteral("Optionen"), QStringLiteral("Size"), rt::Str(GridSize)); },
    });
}

void frmMirvel::mnuBild_Click(int Index) {
    for (int i = 0; i < 3; ++i)
        mnuBild(i)->setChecked(false);
    PicClip1.setPicture(LoadResPicture(101 + Index));
    NewGame();
    mnuBild(Index)->setChecked(true);
    // Written under the lower-case key; keys match without regard to case.
    WriteIniString(QStringLiteral("Optionen"), QStringLiteral("picture"), rt::Str(Index));
}
