// Reading the device's render target back into memory.
#pragma once

#include "platform/d3d9/d3d9.h"
#include "tools/capture/FrameSheet.h"

// Copies render target 0 into frame as RGBA rows from the top, through an offscreen surface
// in system memory. The alpha of the result is 255: what the screen shows. False when any
// step of the read-back fails.
bool ReadBackBuffer(IDirect3DDevice9* device, CapturedFrame* frame);
