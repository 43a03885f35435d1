// The sound options of the Options menu: effects on or off, and the music mode.
// They are applied to the project-wide switches and stored at once.

#include "errors/Procedure.h"
#include "shell/Allgemein.h"
#include "shell/Globals.h"
#include "shell/frmMirvel.h"

#include <QAction>

void frmMirvel::mnuPlaySounds_Click() {
    Procedure p("frmMirvel", "mnuPlaySounds_Click");
    p.run({
        [&] { SoundOn = rt::Not(SoundOn); },
        [&] { mnuPlaySounds->setChecked(SoundOn != 0); },
        [&] {
            WriteIniString(QStringLiteral("Optionen"), QStringLiteral("PlaySound"),
                           rt::Str(SoundOn));
        },
    });
}

void frmMirvel::mnuMusic_Click(int Index) {
    Procedure p("frmMirvel", "mnuMusic_Click");
    p.run({
        [&] {
            for (int i = 0; i < 3; ++i)
                mnuMusic(i)->setChecked(false);
        },
        [&] {
            if (Index == 0) {
                MusicOn = rt::False;
                MusicLoop = rt::False;
            }
        },
        [&] {
            if (Index == 1) {
                MusicOn = rt::True;
                MusicLoop = rt::False;
            }
        },
        [&] {
            if (Index == 2) {
                MusicOn = rt::True;
                MusicLoop = rt::True;
            }
            // The mode is applied: errors from here on belong to the caller.
            p.disarm();
        },
        [&] { mnuMusic(Index)->setChecked(true); },
        [&] {
            WriteIniString(QStringLiteral("Optionen"), QStringLiteral("PlayMusic"), rt::Str(Index));
        },
    });
}
