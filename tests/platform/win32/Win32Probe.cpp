// A small program on the Win32 layer that the tests run as a child process, for what needs a
// fresh process: the choice of SDL's video driver, and the end of a run by a signal.
//   win32_probe video         starts video; prints ok, headless, driver, screen size, and
//                             whether a window and a message box work
//   win32_probe register      registers a class; prints whether SDL video had to start
//   win32_probe empty-get     GetMessageA with nothing queued and no SDL video
//   win32_probe wait-loop     a window and a GetMessageA loop that waits for events; prints
//                             "ready" once waiting and "finalised code=N" after the loop

#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "platform/win32/native_window.h"
#include "platform/win32/win32.h"

namespace {

LRESULT QuitOnDestroy(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterProbeClass() {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = QuitOnDestroy;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "probe";
    return RegisterClassExA(&windowClass) != 0;
}

HWND CreateProbeWindow() {
    return CreateWindowExA(0, "probe", "probe", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

int Video() {
    const bool ok = win32::EnsureVideo();
    const char* driver = ok ? SDL_GetCurrentVideoDriver() : nullptr;
    std::printf("ok=%d headless=%d driver=%s screen=%dx%d\n", ok ? 1 : 0,
                win32::IsHeadless() ? 1 : 0, driver ? driver : "none",
                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    const bool registered = RegisterProbeClass();
    const HWND window = CreateProbeWindow();
    std::printf("registered=%d window=%d\n", registered ? 1 : 0, window != nullptr ? 1 : 0);
    // Headless (or without video at all) this goes to standard error.
    if (!ok || win32::IsHeadless()) MessageBoxA(nullptr, "probe text", nullptr, MB_OK);
    return 0;
}

int Register() {
    const bool registered = RegisterProbeClass();
    std::printf("registered=%d video=%d\n", registered ? 1 : 0,
                SDL_WasInit(SDL_INIT_VIDEO) != 0 ? 1 : 0);
    return 0;
}

int EmptyGet() {
    MSG message;
    std::printf("get=%d\n", GetMessageA(&message, nullptr, 0, 0));
    return 0;
}

int WaitLoop() {
    if (!RegisterProbeClass()) return 2;
    const HWND window = CreateProbeWindow();
    if (window == nullptr) return 3;
    ShowWindow(window, SW_SHOWDEFAULT);
    std::printf("ready\n");
    std::fflush(stdout);
    MSG message = {};
    BOOL result;
    while ((result = GetMessageA(&message, nullptr, 0, 0)) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    std::printf("finalised code=%d get=%d window=%d\n", static_cast<int>(message.wParam), result,
                IsWindow(window));
    UnregisterClassA("probe", GetModuleHandleA(nullptr));
    return static_cast<int>(message.wParam);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 64;
    if (std::strcmp(argv[1], "video") == 0) return Video();
    if (std::strcmp(argv[1], "register") == 0) return Register();
    if (std::strcmp(argv[1], "empty-get") == 0) return EmptyGet();
    if (std::strcmp(argv[1], "wait-loop") == 0) return WaitLoop();
    return 64;
}
