#include <cstdint>

#include "app/Application.h"
#include "app/MessageLoop.h"
#include "app/Texts.h"
#include "app/WindowProc.h"

namespace {

constexpr INT kClientWidth = 1024;
constexpr INT kClientHeight = 320;

}  // namespace

int RunApplication(Main& app) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);

    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(WNDCLASSEXA);
    windowClass.style = CS_CLASSDC;  // and no CS_DBLCLKS: two presses are two presses
    windowClass.lpfnWndProc = WindowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = instance;
    windowClass.hIcon = nullptr;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground =
        reinterpret_cast<HBRUSH>(static_cast<std::intptr_t>(COLOR_WINDOW + 1));
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = kWindowClassName;
    windowClass.hIconSm = nullptr;
    if (RegisterClassExA(&windowClass) == 0) {
        MessageBoxA(nullptr, kTextClassRegistrationFailed, nullptr, MB_OK);
        return 0;
    }

    // The outer frame, not the client area, is centred on the primary screen (a negative
    // offset on a smaller screen, truncated toward zero).
    RECT rect = {0, 0, kClientWidth, kClientHeight};
    AdjustWindowRect(&rect, WS_OVERLAPPEDWINDOW, FALSE);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

    const HWND window = CreateWindowExA(0, kWindowClassName, kWindowCaption, WS_OVERLAPPEDWINDOW, x,
                                        y, width, height, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        // The class stays registered until the process ends.
        MessageBoxA(nullptr, kTextWindowCreationFailed, nullptr, MB_OK);
        return 0;
    }

    MSG message = {};
    app.m_hwnd = window;
    // After a failed start the window is never shown and the loop never runs.
    if (app.Initialize(kClientWidth, kClientHeight, true)) {
        ShowWindow(window, SW_SHOWDEFAULT);
        UpdateWindow(window);
        while (RunMessageLoopPass(app, window, message)) {
        }
    }

    app.Finalize();
    UnregisterClassA(kWindowClassName, instance);
    return static_cast<int>(message.wParam);
}

int AppMain() {
    return RunApplication(g_main);
}
