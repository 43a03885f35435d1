#pragma once
// What the synthesizer module (mirvel-fluid.so) offers the music player.

struct FluidApi {
    int version; // fluidApiVersion
    // A tune from a Standard MIDI File (copied), or null when it cannot be heard.
    void* (*open)(const char* midiFile, long size);
    void (*close)(void* tune);
    void (*play)(void* tune);
    long (*length)(const void* tune);
    long (*position)(const void* tune);
    bool (*playing)(const void* tune);
    void (*seek)(void* tune, long tick);
};

constexpr int fluidApiVersion = 1;
constexpr const char* fluidModuleName = "mirvel-fluid.so";
constexpr const char* fluidEntryName = "mirvel_fluid_api";
