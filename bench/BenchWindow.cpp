#include "bench/BenchWindow.h"

#include <cstdlib>

#include "app/WindowProc.h"

HWND CreateBenchWindow() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_CLASSDC;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "sampleClass";
    RegisterClassExA(&wc);
    RECT rect{0, 0, 1024, 320};
    AdjustWindowRect(&rect, WS_OVERLAPPEDWINDOW, FALSE);
    return CreateWindowExA(0, "sampleClass", "bench", WS_OVERLAPPEDWINDOW, 0, 0,
                           rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

void DestroyBenchWindow(HWND window) {
    if (window) DestroyWindow(window);
    UnregisterClassA("sampleClass", GetModuleHandleA(nullptr));
}
