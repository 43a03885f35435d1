#pragma once
// The wave output: plays a wave file's samples from memory and returns at once; the sound starts
// from the event loop, once what the press changed has been drawn. A new sound cuts off the one
// still playing, whose bytes are released only after it has been stopped. A sound that cannot
// be played (no sound device, an unusable file) is simply not heard.
// Its module (see Module.h) loads on another thread; a sound asked for meanwhile is played once
// the module is there, unless that is more than 50 ms late: it would no longer go with its press.

#include <QByteArray>

namespace WaveOut {
void play(const QByteArray& waveFile);
void stop();
// Starts loading the module, so that the first sound need not wait for it.
void preload();
} // namespace WaveOut
