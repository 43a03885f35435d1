// Start-up, resizing and shutdown of the main window.

#include "about/frmInfo.h"
#include "errors/Procedure.h"
#include "errors/ProgramEnd.h"
#include "render/Decoration.h"
#include "render/ImageControl.h"
#include "shell/Allgemein.h"
#include "shell/Globals.h"
#include "shell/Random.h"
#include "shell/frmMirvel.h"
#include "sound/MidiDevice.h"

#include <QAction>
#include <QCoreApplication>
#include <QTimer>

void frmMirvel::Form_Load() {
    Procedure p("frmMirvel", "Form_Load");
    rt::Integer n = 0, picture = 0;
    p.run({
        [&] { Randomize(); },
        [&] {
            // Enough tiles for the largest board; the new ones copy element 0 and start hidden.
            for (int i = 1; i < 64; ++i) {
                if (imgPuzz[i])
                    continue;
                auto* tile = new ImageControl(client);
                tile->setObjectName(QStringLiteral("imgPuzz(%1)").arg(i));
                tile->setTag(imgPuzz[0]->Tag());
                tile->setPicture(imgPuzz[0]->Picture(), imgPuzz[0]->Piece());
                tile->setBevelled(true);
                tile->setLeft(imgPuzz[0]->Left());
                tile->setTop(imgPuzz[0]->Top());
                tile->setWidth(imgPuzz[0]->Width());
                tile->setHeight(imgPuzz[0]->Height());
                tile->hide();
                imgPuzz[i] = tile;
                connectTile(i);
            }
        },
        [&] {
            n = GetIniInt(QStringLiteral("Optionen"), QStringLiteral("Size"), 5);
            mnuSize_Click(n - 3);
        },
        [&] {
            // A hand-edited mode outside the three plays each tune once.
            const rt::Integer mode = GetIniInt(QStringLiteral("Optionen"), QStringLiteral("PlayMusic"), 1);
            mnuMusic_Click(mode >= 0 && mode <= 2 ? mode : 1);
        },
        [&] {
            // Any value but 0 is on, so that the menu's toggle always turns it off.
            SoundOn = rt::toBoolean(GetIniInt(QStringLiteral("Optionen"), QStringLiteral("PlaySound"), -1) != 0);
            mnuPlaySounds->setChecked(SoundOn != 0);
        },
        [&] {
            startPicture(picture);
            mnuBild(picture)->setChecked(true);
            m_pictureShown = picture;
        },
        [&] {
            ShowNumbers = rt::toBoolean(GetIniInt(QStringLiteral("Optionen"), QStringLiteral("ShowNumbers"), 0) != 0);
            showNumbers();
        },
        [&] { IsSolved = rt::True; },
        [&] { client->paintBackground(imgHinterg->Picture()); },
        // The about box reads the saved language; the first activation applies it. The main
        // window is not shown yet: the box stands alone (in the task bar too), so that the
        // main window's own X window is not made before the box can show (2 ms).
        [&] { frmInfo::showModal(nullptr); },
    });
}

void frmMirvel::Form_Resize() {
    Procedure p("frmMirvel", "Form_Resize");
    p.run({
        [&] {
            if (isMinimized()) {
                m_clockWasRunning = Timer1->isActive();
                Timer1->stop();
                p.leave();
            }
        },
        [&] {
            // The flag is used once: a later resize after the game has ended must not start
            // the clock of a finished game again.
            if (m_clockWasRunning && !Timer1->isActive())
                Timer1->start();
            m_clockWasRunning = false;
        },
        [&] {
            // Every later size change lays the window out again, keeping the game.
            if (!m_laidOut) {
                m_laidOut = true;
                positionieren();
            } else
                positionieren(Layout::KeepGame);
        },
    });
}

void frmMirvel::Form_Unload() {
    Procedure p("frmMirvel", "Form_Unload");
    p.run({
        [&] { p.resumeNextSilently(); },
        [&] { QCoreApplication::processEvents(); },
        [&] {
            if (MusicOn)
                mciSendString(QStringLiteral("close midi"));
        },
        [&] { frmInfo::showModal(this); },
        [&] { savePendingPlacement(); },
        [&] { EndProgram(); },
    });
}
