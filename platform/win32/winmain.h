// The program's entry point, called by the layer's start-up code (libdfwin32_entry) as the C
// runtime of Windows calls it.
#pragma once

#include "platform/win32/win32.h"

int wWinMain(HINSTANCE instance, HINSTANCE previousInstance, LPWSTR commandLine, int showCommand);
