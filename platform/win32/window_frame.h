// The frame the layer draws around a client area, by window style: the one model behind both
// AdjustWindowRect and the placement of windows by CreateWindowExA.
#pragma once

#include "platform/win32/win32.h"

#pragma GCC visibility push(hidden)

namespace win32 {

// How far the outer rectangle reaches beyond the client rectangle on each side.
struct FrameInsets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

FrameInsets FrameForStyle(DWORD style, bool menu);

}  // namespace win32

#pragma GCC visibility pop
