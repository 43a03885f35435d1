#pragma once
// Work that the start does not need before its first window is on screen.

#include <functional>

// Runs `work` once, from the event loop, right after the first window of the application has
// been painted (after that paint has gone to the screen).
void afterFirstPaint(std::function<void()> work);
