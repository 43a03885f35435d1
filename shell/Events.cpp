// Wires the main window's controls to their handlers. Every handler runs under the error
// trap: a procedure with its own trap reports under its own name; an error that reaches a
// handler without one is reported under the handler's name.

#include "errors/Procedure.h"
#include "render/ImageControl.h"
#include "shell/frmMirvel.h"

#include <QAction>
#include <QPushButton>
#include <QTimer>

namespace {

template <class Sender, class Signal, class Handler>
void on(frmMirvel* form, Sender* sender, Signal signal, const char* name, Handler handler) {
    QObject::connect(sender, signal, form,
                     [name, handler] { reportUntrapped("frmMirvel", name, handler); });
}

} // namespace

void frmMirvel::connectEvents() {
    for (int i = 0; i < 6; ++i)
        on(this, mnuSize[i], &QAction::triggered, "mnuSize_Click", [this, i] { mnuSize_Click(i); });
    for (int i = 0; i < 3; ++i)
        on(this, mnuBild[i], &QAction::triggered, "mnuBild_Click", [this, i] { mnuBild_Click(i); });
    for (int i = 0; i < 3; ++i)
        on(this, mnuMusic[i], &QAction::triggered, "mnuMusic_Click",
           [this, i] { mnuMusic_Click(i); });
    on(this, mnuPlaySounds, &QAction::triggered, "mnuPlaySounds_Click",
       [this] { mnuPlaySounds_Click(); });
    connectTile(0);
}

void frmMirvel::connectTile(int Index) {
    QObject::connect(imgPuzz[Index], &ImageControl::mouseDown, this,
                     [this, Index](Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF at) {
                         reportUntrapped("frmMirvel", "imgPuzz_MouseDown", [&] {
                             imgPuzz_MouseDown(Index, button, shift, at.x(), at.y());
                         });
                     });
}
