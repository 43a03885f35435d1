// Wires the main window's controls to their handlers. Every handler runs under the error
// trap: a procedure with its own trap reports under its own name; an error that reaches a
// handler without one is reported under the handler's name.

#include "errors/Procedure.h"
#include "render/ImageControl.h"
#include "shell/frmMirvel.h"

#include <QAction>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace {

template <class Sender, class Signal, class Handler>
void on(frmMirvel* form, Sender* sender, Signal signal, const char* name, Handler handler) {
    QObject::connect(sender, signal, form, [name, handler] { reportUntrapped("frmMirvel", name, handler); });
}

} // namespace

void frmMirvel::connectEvents() {
    for (int i = 0; i < 6; ++i)
        on(this, mnuSize[i], &QAction::triggered, "mnuSize_Click", [this, i] { mnuSize_Click(i); });
    for (int i = 0; i < 4; ++i)
        on(this, mnuBild[i], &QAction::triggered, "mnuBild_Click", [this, i] { mnuBild_Click(i); });
    for (int i = 0; i < 3; ++i)
        on(this, mnuMusic[i], &QAction::triggered, "mnuMusic_Click", [this, i] { mnuMusic_Click(i); });
    on(this, mnuShowNumbers, &QAction::triggered, "mnuShowNumbers_Click", [this] { mnuShowNumbers_Click(); });
    on(this, mnuPlaySounds, &QAction::triggered, "mnuPlaySounds_Click", [this] { mnuPlaySounds_Click(); });
    for (int i = 0; i < int(Languages.size()); ++i)
        on(this, mnuLang[i], &QAction::triggered, "mnuLang_Click", [this, i] { mnuLang_Click(i); });

    on(this, mnuStart, &QAction::triggered, "mnuStart_Click", [this] { mnuStart_Click(); });
    on(this, mnuHighScore, &QAction::triggered, "mnuHighScore_Click", [this] { mnuHighScore_Click(); });
    on(this, mnuEnde, &QAction::triggered, "mnuEnde_Click", [this] { mnuEnde_Click(); });
    for (int i = 0; i < 2; ++i)
        on(this, PicBut[i], &QPushButton::clicked, "PicBut_Click", [this, i] { PicBut_Click(i); });
    on(this, Timer1, &QTimer::timeout, "Timer1_Timer", [this] { Timer1_Timer(); });
    on(this, Timer2, &QTimer::timeout, "Timer2_Timer", [this] { Timer2_Timer(); });
    on(this, m_sharpen, &QTimer::timeout, "Form_Resize", [this] { sharpenPictures(); });

    on(this, mnuOnlinehilfe, &QAction::triggered, "mnuOnlinehilfe_Click", [this] { mnuOnlinehilfe_Click(); });
    on(this, mnuHomepage, &QAction::triggered, "mnuHomepage_Click", [this] { mnuHomepage_Click(); });
    on(this, mnuEMail, &QAction::triggered, "mnuEMail_Click", [this] { mnuEMail_Click(); });
    on(this, mnuUeber, &QAction::triggered, "mnuUeber_Click", [this] { mnuUeber_Click(); });

    // F11 toggles full screen, and Escape leaves it; Escape does nothing else on purpose: the
    // end command asks nothing, and one stray key must not end a game.
    connect(new QShortcut(QKeySequence(Qt::Key_F11), this), &QShortcut::activated, this, &frmMirvel::toggleFullScreen);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &frmMirvel::leaveFullScreen);

    // The arrow keys press the tile on that side of the blank.
    const std::pair<Qt::Key, std::pair<int, int>> arrows[] = {
        {Qt::Key_Left, {0, -1}}, {Qt::Key_Right, {0, 1}}, {Qt::Key_Up, {-1, 0}}, {Qt::Key_Down, {1, 0}}};
    for (const auto& [key, step] : arrows) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        const int rowStep = step.first, colStep = step.second; // clang before 16 captures no binding
        on(this, shortcut, &QShortcut::activated, "imgPuzz_MouseDown",
           [this, rowStep, colStep] { pressNeighbourOfBlank(rowStep, colStep); });
    }
    connectTile(0);
}

void frmMirvel::connectTile(int Index) {
    QObject::connect(imgPuzz[Index], &ImageControl::mouseDown, this,
                     [this, Index](Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF at) {
                         reportUntrapped("frmMirvel", "imgPuzz_MouseDown",
                                         [&] { imgPuzz_MouseDown(Index, button, shift, at.x(), at.y()); });
                     });
}
