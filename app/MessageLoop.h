// One pass of the program's message loop.
#pragma once

#include "app/Main.h"
#include "platform/win32/win32.h"

// Handles one waiting message, or, when none waits, draws one frame through app.Update();
// a failed frame destroys the window, whose procedure then posts the quit message. False once
// the quit message has been taken: its code is then in message.wParam.
bool RunMessageLoopPass(Main& app, HWND window, MSG& message);
