#pragma once
// Looking at the board of a main window the way a player would: the tile numbers in the
// cells, and a replay of the empty cell's walk with the program's random draws.

#include "shell/frmMirvel.h"

#include <QStringList>
#include <cstdint>
#include <vector>

QStringList boardTags(const frmMirvel& f);

// The cells the empty cell visits when the board of size n, empty at `empty`, is shuffled with
// the generator seeded by `seed`: an independent replay of the shuffle's rule (a draw that
// points out of the board is drawn again and not counted), n^4 counted moves.
std::vector<int> replayShuffleWalk(std::uint64_t seed, int n, int empty);

// Presses the cells of a walk backwards, which undoes the shuffle tile by tile.
void pressWalkBackwards(frmMirvel& f, const std::vector<int>& walk);
