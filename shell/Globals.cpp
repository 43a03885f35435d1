#include "shell/Globals.h"

rt::Integer LangOffset = 0;
rt::Boolean SoundOn = rt::False;
rt::Boolean MusicOn = rt::False;
rt::Boolean MusicLoop = rt::False;
QString MidiFilePath;
QByteArray SoundBuffer;
