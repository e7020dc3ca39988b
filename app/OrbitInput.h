// The orbit camera's input state: two angles turned by dragging with the left mouse button
// (WindowProc writes them, the view of each frame reads them), and the drag in progress.
#pragma once

#include <cstdint>

#include "app/FloatBits.h"

// Radians turned per pixel of drag, on both axes (0.01).
constexpr float kOrbitTurnRate = FloatFromBits(0x3C23D70Au);
// The pitch stays within these limits (about 10° and 89°).
constexpr float kOrbitPitchMin = FloatFromBits(0x3E32B8C3u);
constexpr float kOrbitPitchMax = FloatFromBits(0x3FC6D3F2u);
// The pitch at start, π/12.
constexpr float kOrbitPitchInitial = FloatFromBits(0x3E860A92u);

static_assert(kOrbitPitchMin < kOrbitPitchInitial && kOrbitPitchInitial < kOrbitPitchMax,
              "the initial pitch lies within the limits");

// Angle about the vertical axis in radians; unbounded.
extern float g_orbitYaw;
// Angle about the horizontal axis in radians; always within the limits above.
extern float g_orbitPitch;
// A left-button drag is in progress.
extern bool g_dragging;
// Client position of the last press or drag move.
extern std::int32_t g_lastMouseX;
extern std::int32_t g_lastMouseY;
