// The start and end commands, the two picture buttons and the game clock.

#include "errors/Procedure.h"
#include "shell/Globals.h"
#include "shell/frmMirvel.h"
#include "sound/Sound.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

void frmMirvel::mnuStart_Click() {
    if (m_pictureLoading) {
        m_startWaiting = true; // the game starts with the picture the player has just chosen
        return;
    }
    Procedure p("frmMirvel", "mnuStart_Click");
    p.run({
        [&] {
            if (IsSolved)
                Shuffle();
            else
                NewGame(); // a disarranged board is put right; no game starts
        },
        [&] {
            if (SoundOn)
                PlayWAV(103);
        },
        [&] {
            if (MusicOn)
                MakeMusic();
        },
        [&] {
            // Nothing enables the menu entry again: later games start from the button.
            mnuStart->setEnabled(false);
            PicBut(0)->setEnabled(false);
            mnuHighScore->setEnabled(false);
        },
    });
}

void frmMirvel::PicBut_Click(int Index) {
    Procedure p("frmMirvel", "PicBut_Click");
    p.run({
        [&] {
            if (Index == 0)
                mnuStart_Click();
            else if (Index == 1)
                mnuEnde_Click();
        },
    });
}

void frmMirvel::Timer1_Timer() {
    Procedure p("frmMirvel", "Timer1_Timer");
    p.run({
        [&] { GameSeconds = rt::CLng(static_cast<double>(GameSeconds) + 1); },
        [&] { lblTime->setText(QString::number(GameSeconds)); },
    });
}

void frmMirvel::mnuEnde_Click() {
    close();
}
