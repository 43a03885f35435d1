// The grid-size menu: each choice resets the board and is stored at once.

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
