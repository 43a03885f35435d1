#pragma once
// What the wave output module (mirvel-audio.so, on Qt Multimedia) offers the sound effects.

struct AudioApi {
    static constexpr const char* File = "mirvel-audio.so";
    static constexpr const char* EntryName = "mirvel_audio_api";
    static constexpr int Version = 2;
    static constexpr const char* Silenced = "the sound effects";

    int version; // Version, as the module was built
    // Finds the sound output ahead of the first sound (Qt's media backend, the sound server's
    // connection), so that the first sound costs no more than the others. On the main thread:
    // what it makes belongs to that thread.
    void (*connect)();
    // Plays PCM samples (copied) and returns at once whether they are playing; a sound still
    // playing is cut off. bitsPerSample is 8 (unsigned) or 16 (signed).
    bool (*play)(int sampleRate, int channels, int bitsPerSample, const char* samples, long size);
    void (*stop)();
};
