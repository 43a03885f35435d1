#pragma once
// One tune played by libfluidsynth with a General MIDI SoundFont, on a synthesizer that is
// made once and kept. Opening fails, at once, when the synthesizer module cannot be loaded,
// or there is no SoundFont, no audio output or no playable file: the tune is then simply not
// heard.
//
// The module and its SoundFont load on another thread, started by preload or the first open
// (the whole font, then): a tune opened
// meanwhile waits for them, playing or not as it was told, and is then opened for real. If it
// cannot be, it ends there, as a tune played to its end (stopped, of length 0).

#include <QByteArray>
#include <QList>
#include <memory>

class FluidTune {
public:
    // Starts loading the module and its SoundFont, with only the instruments of `repertoire`
    // (all the font's when it is empty), unless that has started.
    static void preload(const QList<QByteArray>& repertoire = {});
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
    static void synthesizerReady();

    void* m_tune;             // the module's own; null while waiting, or when it could not be opened
    bool m_waiting = false;   // for the module to load
    QByteArray m_waitingFile; // meanwhile
    bool m_playWanted = false;
};
