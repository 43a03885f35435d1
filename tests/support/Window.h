#pragma once
// The main window as a start-up leaves it, in a program folder of its own, and a small
// language to play it and to read back what a player sees. It brings the headers a test needs
// to reach the window's members.

#include "shell/Globals.h"
#include "shell/frmMirvel.h"
#include "support/ModalDriver.h"
#include "support/ProgramTexts.h"
#include "support/Table.h"
#include "support/TestMain.h"
#include "support/Unprivileged.h"
#include "support/UrlCatcher.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <vector>

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& data);
// The user's folder of "Mirvel"; its store: cleared, read ("-" when absent) and written by key.
QString userFolder();
void clearUserStore();
QString stored(const QString& key);
void store(const QString& key, const QString& value);
// Which tune "~tmp.mid" holds now (101..103, or 0); the effect last handed to the sound output
// (101..103, none or other).
int tuneOnDisk();
QString effect();
// `data` damaged as a row's "change" says (tests/data/README.md).
QByteArray changed(QByteArray data, const QString& change);

struct LoadedWindow {
    // `ini` is written as "Mirvel.ini" first (under "[Optionen]" unless it has sections).
    // Without a driver of the caller's, the start-up about box is answered here.
    explicit LoadedWindow(const QByteArray& ini = {}, ModalDriver* driver = nullptr);
    ~LoadedWindow();
    QString iniPath() const;
    QByteArray ini() const { return readFile(iniPath()); }

    QTemporaryDir folder;
    std::unique_ptr<frmMirvel> form;
};

// The words of a script and the names observe() reads are listed in tests/data/README.md.
// Plays the words on the window.
void play(frmMirvel& f, const QString& script);

// The window's values of the names in `expected` ("empty=15;solved=-1"), in the same form.
QString observe(frmMirvel& f, const QString& expected);

// The cells the empty cell visits when a board of size n, empty at `empty`, is shuffled with
// the generator seeded by `seed`: an independent replay of the rule (a draw that points off the
// board is drawn again), n⁴ counted moves. Pressed backwards (`keys`: by the arrows), they
// undo the shuffle.
std::vector<int> replayShuffleWalk(std::uint64_t seed, int n, int empty);
void pressWalkBackwards(frmMirvel& f, const std::vector<int>& walk, bool keys = false);

// A scenario row: "ini", "script", "expected"; one played apart runs in mirvel_probe, which
// calls playApart.
void runScenario(const Row& row);
void playApart(const QString& ini, const QString& script, const QString& expected);
