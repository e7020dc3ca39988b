// The layer's side of the mouse capture.
#pragma once

#include "platform/win32/win32.h"

#pragma GCC visibility push(hidden)

namespace win32 {

// The capture ends with the window that holds it.
void ForgetCaptureOf(HWND window);

}  // namespace win32

#pragma GCC visibility pop
