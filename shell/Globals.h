#pragma once
// The project-wide variables.

#include "shell/Runtime.h"

#include <QString>

extern rt::Integer LangOffset; // 0 German, 1000 English, 2000 Swedish, 3000 Italian
extern rt::Boolean SoundOn;    // sound effects on
extern rt::Boolean MusicOn;    // background music playing
extern rt::Boolean MusicLoop;  // endless music
extern QString MidiFilePath;   // the tune file in the temporary folder
extern QByteArray SoundBuffer; // the wave file of the effect played last
