#pragma once
// Ends the program at once: no further event handler of any window runs.
// Options and champions are written through at the moment they change, so nothing is lost.

[[noreturn]] void EndProgram();
