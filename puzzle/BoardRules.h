#pragma once
// The rules of the board over cell indices (row * N + column, row 0 at the top) and tile
// numbers (the tags "1".."N*N", the empty cell holding ""), free of any widget.

#include "shell/Runtime.h"

#include <QString>
#include <QStringList>

// One draw of the shuffle: 0 left, 1 right, 2 up, 3 down.
enum class ShuffleDirection { Left = 0, Right = 1, Up = 2, Down = 3 };

// Moves the empty cell's column c / row r one step in direction d if the board's edge allows;
// returns false, changing nothing, when it does not.
bool stepEmptyCell(ShuffleDirection d, rt::Integer N, rt::Integer& c, rt::Integer& r);

// Whether the tile in cell k is one of the four direct neighbours of the empty cell.
bool isNextToEmpty(rt::Integer k, rt::Integer emptyCell, rt::Integer N);

// Whether cells 0..N*N-2 hold tiles 1..N*N-1; the last cell is not examined. An empty or
// non-numeric tag reads as 0.
bool isSolvedOrder(const QStringList& tags, rt::Integer N);
