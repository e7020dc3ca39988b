// The procedure of the program's window class: ends the program when the window is destroyed
// and turns left-button drags into the orbit angles; everything else gets the default
// processing.
#pragma once

#include "platform/win32/win32.h"

LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
