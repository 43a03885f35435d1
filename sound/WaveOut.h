#pragma once
// The wave output: plays a wave file's samples from memory and returns at once. A new sound
// cuts off the one still playing, whose bytes are released only after it has been stopped.
// A sound that cannot be played (no sound device, an unusable file) is simply not heard.

#include <QByteArray>

namespace WaveOut {
// Returns whether the sound is now playing. While the output's module is being loaded, the sound
// waits for it, and is played once it is there if that is no more than 50 ms late.
bool play(const QByteArray& waveFile);
void stop();
// Loads the output's module on another thread (once the window shows), so that the first sound
// does not stall the press that asks for it.
void preload();
bool loading();
} // namespace WaveOut
