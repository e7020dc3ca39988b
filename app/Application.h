// The life of the program around an application object: AppMain runs it on g_main.
#pragma once

#include "app/Main.h"

// Registers the window class, creates the hidden window, starts app, shows the window and
// runs the message loop, then finalises app and unregisters the class. The result is the
// exit code: the quit message's code, or 0 when start-up failed.
int RunApplication(Main& app);
