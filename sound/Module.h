#pragma once
// The sound's libraries (Qt Multimedia, fluidsynth, and the two dozen libraries they bring) are
// built into modules of their own, beside the program, and loaded when first needed: linked
// into the program they would slow down every start, though many games are played in silence.
//
// A module's entry returns a table of functions whose first member is an int, the version of
// the table's layout.

// The entry's table, or null when the module is missing, cannot be loaded or is of another
// build. A loaded module stays loaded.
const void* loadModule(const char* fileName, const char* entry, int version);

#define MIRVEL_MODULE_ENTRY extern "C" __attribute__((visibility("default")))
