// What the rest of the platform layer needs to know of a window: the SDL window behind a
// handle, and a way to keep that SDL window alive past DestroyWindow while a device still
// renders into it. Never included by the program's own code.
#pragma once

#include "platform/win32/win32.h"

struct SDL_Window;

namespace win32 {

// The SDL window behind a handle, or null when the handle names no window. A retained window
// keeps answering after DestroyWindow (with its hidden SDL window) until its last release.
SDL_Window* NativeWindow(HWND window);

// A retained window keeps its SDL window (hidden once destroyed) until the last release.
// Only a live window can be retained (false otherwise); each retain needs one release.
bool RetainWindow(HWND window);
void ReleaseWindow(HWND window);

// True when the layer runs on SDL's offscreen driver (no display): message boxes go to
// standard error and return at once.
bool IsHeadless();

// Makes sure SDL's video subsystem is up (choosing the offscreen driver where there is no
// display, or where the display cannot be reached). A driver named in SDL_VIDEODRIVER is
// used as named, with no fallback. False when SDL cannot start at all.
bool EnsureVideo();

}  // namespace win32
