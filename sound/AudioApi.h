#pragma once
// What the wave output module (mirvel-audio.so, on Qt Multimedia) offers the sound effects.

struct AudioApi {
    int version; // audioApiVersion
    // Plays PCM samples (copied) and returns at once whether they are playing; a sound still
    // playing is cut off. bitsPerSample is 8 (unsigned) or 16 (signed).
    bool (*play)(int sampleRate, int channels, int bitsPerSample, const char* samples, long size);
    void (*stop)();
};

constexpr int audioApiVersion = 1;
constexpr const char* audioModuleName = "mirvel-audio.so";
constexpr const char* audioEntryName = "mirvel_audio_api";
