#pragma once
// The wave output: plays a wave file's samples from memory and returns at once. A new sound
// cuts off the one still playing, whose bytes are released only after it has been stopped.
// A sound that cannot be played (no sound device, an unusable file) is simply not heard.

#include <QByteArray>

namespace WaveOut {
// Returns whether the sound is now playing.
bool play(const QByteArray& waveFile);
void stop();
} // namespace WaveOut
