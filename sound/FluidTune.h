#pragma once
// One tune played by libfluidsynth with a General MIDI SoundFont, on a synthesizer that is
// made once and kept. Opening fails, at once, when the synthesizer module cannot be loaded,
// or there is no SoundFont, no audio output or no playable file: the tune is then simply not
// heard.

#include <QByteArray>
#include <memory>

class FluidTune {
public:
    static std::unique_ptr<FluidTune> open(const QByteArray& midiFile);
    ~FluidTune();
    FluidTune(const FluidTune&) = delete;
    FluidTune& operator=(const FluidTune&) = delete;

    void play();
    // In the file's ticks. The length is known once playing has begun (0 before).
    long length() const;
    long position() const;
    bool playing() const;
    void seek(long tick);

private:
    explicit FluidTune(void* tune) : m_tune(tune) {}
    void* m_tune; // the module's own
};
