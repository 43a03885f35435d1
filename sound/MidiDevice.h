#pragma once
// The MIDI device, driven by text commands (see MciCommand.h) and played with libfluidsynth:
//   "open sequencer!<file> alias <name>"  loads the tune; fails while <name> is taken
//   "play <name>"                         starts it; it plays on while the program goes on
//   "status <name> length|position|mode"  answers in the tune's ticks, or "playing"/"stopped"
//   "seek <name> to <ticks>"              moves within the tune
//   "close <name>"                        stops and forgets it
// Returns 0 on success, else one of the codes below. Nothing here ever shows a message.

#include <QString>

namespace Mci {
constexpr int Ok = 0;
constexpr int UnrecognisedCommand = 261;
constexpr int NotOpen = 263;    // no device of that name
constexpr int CannotPlay = 266; // no SoundFont, no audio output or not a MIDI file
constexpr int FileNotFound = 275;
constexpr int AliasInUse = 289;
} // namespace Mci

int mciSendString(const QString& command, QString* answer = nullptr);
