#include "app/MessageLoop.h"

bool RunMessageLoopPass(Main& app, HWND window, MSG& message) {
    if (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
        if (!GetMessageA(&message, nullptr, 0, 0)) return false;
        TranslateMessage(&message);
        DispatchMessageA(&message);
        return true;
    }
    // No timer and no wait: while the queue is empty every pass is a frame, paced only by
    // the device's presentation interval.
    if (!app.Update()) DestroyWindow(window);
    return true;
}
