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
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <vector>

QByteArray readFile(const QString& path);
void writeFile(const QString& path, const QByteArray& data);
// The per-user store of "Mirvel": cleared, read ("-" when absent) and written by key.
void clearUserStore();
QString stored(const QString& key);
void store(const QString& key, const QString& value);
// `data` changed as a table's row says: "text T" (it holds T), "cut N" (N bytes kept), "flip N"
// (byte N inverted), "set A K HEX" (bytes HEX, K bytes after the first A, all in hex). N is an
// offset, a share ("50%") or counts from the end ("-700").
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

// Plays words on the window: pK, rK, mK press cell K with the left, right or middle button;
// kLeft, kAlt+S, ... press a key (on the open menu, if one is); start (Game > Start), go (start
// button), tickK (K clock ticks), new (NewGame), sizeI, picI, langI, musicI, sounds, help,
// champs (menu entries), load (nothing: the start-up has run), secsK (the game's seconds),
// record (WriteHighScore), min, restore, resize; seedS seeds the next shuffle, and solve
// presses that shuffle's walk backwards (keysolve: by the arrows). "?clock=on;go=off" checks
// what observe() sees on the way; a word with "=" sets the scenario up (see runScenario).
void play(frmMirvel& f, const QString& script);

// The window's values of the names in `expected` ("empty=15;solved=-1"), in the same form:
// N, empty, solved, secs, time; clock, go, menu, champs (on/off: the clock, the start button,
// Game > Start, Game > Champions); tags (of all cells), blank (cells showing the empty
// picture), last (yes: the last cell shows the last piece), shown (visible tiles); size, pic,
// lang, music (checked entries), sound, offset, ini (lines ended by "|"), seen and reports
// (what the scenario's modal windows showed, joined by " ¦ "), keys (the champions' stored
// keys), bestN (champion of N x N, "time/name"), atK (tile K's rectangle), imgK=P@x,y,w,h
// (shows that part of picture P), nameK (what a screen reader is told of tile K).
QString observe(frmMirvel& f, const QString& expected);

// The cells the empty cell visits when a board of size n, empty at `empty`, is shuffled with
// the generator seeded by `seed`: an independent replay of the rule (a draw that points off
// the board is drawn again), n⁴ counted moves.
std::vector<int> replayShuffleWalk(std::uint64_t seed, int n, int empty);
// Presses the cells of a walk backwards, which undoes the shuffle tile by tile; with `keys`, by
// the arrow keys.
void pressWalkBackwards(frmMirvel& f, const std::vector<int>& walk, bool keys = false);

// `expected` with each {KEY} or {KEY@LANG} replaced by that text of the program (ProgramTexts.h).
QString withTexts(QString expected);

// A scenario of a table: the options file "ini" ("-": none), the words of "script" (those
// before a word "load" set up the start-up), then what observe() must show ("expected").
// Modal windows are answered as answer::all() does; "seen" and "reports" read what they showed.
// A script that starts with "apart" runs in mirvel_probe, for what ends the program: there each
// modal window prints its name as it shows, and the readers after the last " ¦ " of "expected"
// print what they see if the program still runs; "expected" is what it printed.
void runScenario(const Row& row);
void playApart(const QString& ini, const QString& script, const QString& expected);
