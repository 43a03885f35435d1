#pragma once
// What the synthesizer module (mirvel-fluid.so) offers the music player.

struct FluidApi {
    static constexpr const char* File = "mirvel-fluid.so";
    static constexpr const char* EntryName = "mirvel_fluid_api";
    static constexpr int Version = 2;
    static constexpr const char* Silenced = "the tunes";

    int version; // Version, as the module was built
    // Makes the synthesizer and loads its SoundFont, which takes a tenth of a second or more; the
    // first open does it when this has not run.
    void (*prepare)();
    // A tune from a Standard MIDI File (copied), or null when it cannot be heard.
    void* (*open)(const char* midiFile, long size);
    void (*close)(void* tune);
    void (*play)(void* tune);
    long (*length)(const void* tune);
    long (*position)(const void* tune);
    bool (*playing)(const void* tune);
    void (*seek)(void* tune, long tick);
};
