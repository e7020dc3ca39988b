// The process's start-up: what the C runtime does before a Windows program's entry point. The
// program gets its instance handle, no previous instance, an empty command line and
// SW_SHOWDEFAULT; its result is the exit code.

#include "platform/win32/winmain.h"

int main(int, char**) {
    static WCHAR emptyCommandLine[] = {0};
    return wWinMain(GetModuleHandleA(nullptr), nullptr, emptyCommandLine, SW_SHOWDEFAULT);
}
