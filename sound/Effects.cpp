// The sound effects and their switch in the Options menu.

#include "errors/Procedure.h"
#include "errors/RuntimeError.h"
#include "shell/Allgemein.h"
#include "shell/Globals.h"
#include "shell/frmMirvel.h"
#include "sound/Sound.h"
#include "sound/WaveOut.h"

#include <QAction>
#include <QFile>

void PlayWAV(long Id) {
    Procedure p("Allgemein", "PlayWAV");
    p.run({
        [&] {
            QFile resource(QStringLiteral(":/wav/%1").arg(Id));
            if (!resource.open(QIODevice::ReadOnly))
                raiseError(ErrNo::ResourceNotFound);
            // The sound still playing is cut off before its bytes are replaced.
            WaveOut::stop();
            SoundBuffer = resource.readAll();
        },
        [&] { WaveOut::play(SoundBuffer); },
    });
}

void frmMirvel::mnuPlaySounds_Click() {
    Procedure p("frmMirvel", "mnuPlaySounds_Click");
    p.run({
        [&] { SoundOn = rt::Not(SoundOn); },
        [&] {
            mnuPlaySounds->setChecked(SoundOn != 0);
            if (SoundOn)
                WaveOut::preload(); // turned on: the first sound need not wait for its libraries
        },
        [&] { WriteIniString(QStringLiteral("Optionen"), QStringLiteral("PlaySound"), rt::Str(SoundOn)); },
    });
}
