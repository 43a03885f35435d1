#pragma once
// What a screen reader is told about the board: each tile's name is asked for when it is
// needed, so that it always matches the board and the language.

class QString;
class frmMirvel;

// "Tile 7", or "Empty cell" for the gap, in the current language; for cell `index` of `form`.
QString tileAccessibleName(const frmMirvel& form, int index);
// Makes the program's tiles answer screen readers; once per run.
void installTileAccessibility();
