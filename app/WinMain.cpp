#include "platform/win32/winmain.h"
#include "app/Main.h"

// Neither the command line nor the show command has any effect.
int wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    return AppMain();
}
