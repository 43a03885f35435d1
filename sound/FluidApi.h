#pragma once
// What the fluidsynth module (mirvel-fluid.so, beside the program) offers the music player. The
// synthesizer and its two dozen libraries (SDL, JACK, readline...) are loaded with the first
// tune instead of with the program, which starts noticeably faster without them.

struct FluidApi {
    int version; // fluidApiVersion: a module of another build is not used
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
using FluidApiEntry = const FluidApi* (*)();
constexpr const char* fluidModuleName = "mirvel-fluid.so";
constexpr const char* fluidEntryName = "mirvel_fluid_api";
