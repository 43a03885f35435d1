#pragma once
// The sound procedures of the general modules: the effects, the background tunes, the user's
// temporary folder and writing a resource to a file.

#include "shell/Runtime.h"

#include <QString>

// Plays sound effect "WAV" Id (101 solved, 102 a tile moved, 103 a game started) and returns
// at once; a sound still playing is cut off.
void PlayWAV(long Id);
// Starts a tune other than the last one, unless one is still open: that one plays on.
void MakeMusic();
// The user's temporary folder, with its trailing separator.
QString GetTempDir();
// Writes resource ResType/ResId to FilePath, whole or not at all. A file the program may not
// write (error 70: the tune is in use, or the folder is closed to us) is left alone without a
// report; a write that fails (a full disk) is reported the first time in a run only.
long SaveResItemToDisk(rt::Integer ResId, const QString& ResType, const QString& FilePath);
