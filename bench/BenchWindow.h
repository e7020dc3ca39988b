// A hidden window of the program's class and size for the benchmarks, on the offscreen driver.
#pragma once

#include "platform/win32/win32.h"

// Registers "sampleClass" with the program's window procedure and creates the hidden
// 1024 × 320 window; null when that fails.
HWND CreateBenchWindow();
void DestroyBenchWindow(HWND window);
