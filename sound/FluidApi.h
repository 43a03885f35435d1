#pragma once
// What the synthesizer module (mirvel-fluid.so) offers the music player.

struct FluidApi {
    static constexpr const char* File = "mirvel-fluid.so";
    static constexpr const char* EntryName = "mirvel_fluid_api";
    static constexpr int Version = 3;
    static constexpr const char* Silenced = "the tunes";

    int version; // Version, as the module was built
    // Makes the synthesizer and loads its SoundFont, which takes a tenth of a second or more,
    // with only the instruments that `count` tunes (Standard MIDI Files) play; all of the font's
    // when there are none, or when the first open comes before this.
    void (*prepare)(const char* const* tunes, const long* sizes, int count);
    // A tune from a Standard MIDI File (copied), or null when it cannot be heard.
    void* (*open)(const char* midiFile, long size);
    void (*close)(void* tune);
    void (*play)(void* tune);
    long (*length)(const void* tune);
    long (*position)(const void* tune);
    bool (*playing)(const void* tune);
    void (*seek)(void* tune, long tick);
};
