// Mouse capture: the window that gets every mouse message while a button is held. With a
// display SDL captures the mouse, so a drag that leaves the window keeps reporting positions
// (negative ones too); on the offscreen driver the capture is only recorded.

#include "platform/win32/mouse_capture.h"

#include <SDL.h>

#include "platform/win32/native_window.h"
#include "platform/win32/window.h"

namespace win32 {

namespace {

HWND g_capture = nullptr;

}  // namespace

void ForgetCaptureOf(HWND window) {
    if (g_capture == window) ReleaseCapture();
}

}  // namespace win32

HWND SetCapture(HWND window) {
    const HWND previous = GetCapture();
    if (win32::FindLiveWindow(window) == nullptr) return previous;
    win32::g_capture = window;
    // SDL may refuse (no window has the focus); the capture is still the window's.
    if (!win32::IsHeadless()) SDL_CaptureMouse(SDL_TRUE);
    return previous;
}

BOOL ReleaseCapture() {
    if (win32::g_capture != nullptr && !win32::IsHeadless()) SDL_CaptureMouse(SDL_FALSE);
    win32::g_capture = nullptr;
    return TRUE;
}

HWND GetCapture() {
    return win32::FindLiveWindow(win32::g_capture) != nullptr ? win32::g_capture : nullptr;
}
