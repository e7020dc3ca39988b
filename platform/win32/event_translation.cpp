// SDL's events as window messages: mouse buttons and motion with the client position in two
// 16-bit fields, keys as virtual-key messages, the close button and quit requests as
// WM_CLOSE.

#include "platform/win32/event_translation.h"

#include <SDL.h>

#include "platform/win32/message_queue.h"
#include "platform/win32/window.h"

namespace win32 {

namespace {

constexpr WPARAM kMkShift = 0x0004;
constexpr WPARAM kMkControl = 0x0008;

// The mouse buttons as the button events so far left them, as MK_* bits.
WPARAM g_buttonState = 0;

WPARAM ButtonBit(Uint8 button) {
    switch (button) {
        case SDL_BUTTON_LEFT:
            return MK_LBUTTON;
        case SDL_BUTTON_RIGHT:
            return MK_RBUTTON;
        case SDL_BUTTON_MIDDLE:
            return MK_MBUTTON;
        default:
            return 0;
    }
}

WPARAM ButtonBitsFromSdlState(Uint32 state) {
    WPARAM bits = 0;
    if ((state & SDL_BUTTON_LMASK) != 0) bits |= MK_LBUTTON;
    if ((state & SDL_BUTTON_RMASK) != 0) bits |= MK_RBUTTON;
    if ((state & SDL_BUTTON_MMASK) != 0) bits |= MK_MBUTTON;
    return bits;
}

WPARAM ModifierBits() {
    const SDL_Keymod mod = SDL_GetModState();
    WPARAM bits = 0;
    if ((mod & KMOD_SHIFT) != 0) bits |= kMkShift;
    if ((mod & KMOD_CTRL) != 0) bits |= kMkControl;
    return bits;
}

// The window a mouse event goes to, and its position in that window's client area. While a
// window holds the capture it gets every mouse message, wherever the cursor is.
HWND MouseTarget(Uint32 sdlWindowId, int* x, int* y) {
    const WindowRecord* under = FindLiveWindowBySdlId(sdlWindowId);
    const WindowRecord* capture = FindLiveWindow(GetCapture());
    if (capture == nullptr) return under != nullptr ? under->handle : nullptr;
    if (capture != under) {
        int globalX = 0, globalY = 0, windowX = 0, windowY = 0;
        SDL_GetGlobalMouseState(&globalX, &globalY);
        SDL_GetWindowPosition(capture->sdlWindow, &windowX, &windowY);
        *x = globalX - windowX;
        *y = globalY - windowY;
    }
    return capture->handle;
}

// Each coordinate is cut to 16 bits, so a negative one reads back sign-extended.
LPARAM PositionParam(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x & 0xFFFF), static_cast<WORD>(y & 0xFFFF));
}

UINT ButtonMessage(WPARAM bit, bool down, bool doubleClick) {
    if (bit == MK_LBUTTON)
        return down ? (doubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN) : WM_LBUTTONUP;
    if (bit == MK_RBUTTON)
        return down ? (doubleClick ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN) : WM_RBUTTONUP;
    return down ? (doubleClick ? WM_MBUTTONDBLCLK : WM_MBUTTONDOWN) : WM_MBUTTONUP;
}

void TranslateButton(const SDL_MouseButtonEvent& event) {
    const WPARAM bit = ButtonBit(event.button);
    if (bit == 0) return;
    const bool down = event.type == SDL_MOUSEBUTTONDOWN;
    if (down)
        g_buttonState |= bit;
    else
        g_buttonState &= ~bit;

    int x = event.x, y = event.y;
    const HWND target = MouseTarget(event.windowID, &x, &y);
    if (target == nullptr) return;
    // Only a class that asks for double clicks gets them: the second press of each pair.
    const WindowRecord* record = FindLiveWindow(target);
    const bool doubleClick = down && (record->classStyle & CS_DBLCLKS) != 0 && event.clicks >= 2 &&
                             event.clicks % 2 == 0;
    QueueMessage(target, ButtonMessage(bit, down, doubleClick), g_buttonState | ModifierBits(),
                 PositionParam(x, y));
}

void TranslateMotion(const SDL_MouseMotionEvent& event) {
    int x = event.x, y = event.y;
    const HWND target = MouseTarget(event.windowID, &x, &y);
    if (target == nullptr) return;
    QueueMessage(target, WM_MOUSEMOVE, ButtonBitsFromSdlState(event.state) | ModifierBits(),
                 PositionParam(x, y));
}

// The Windows virtual-key code of a key, or 0 for keys the layer does not pass on.
WPARAM VirtualKey(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return static_cast<WPARAM>('A' + (key - SDLK_a));
    if (key >= SDLK_0 && key <= SDLK_9) return static_cast<WPARAM>('0' + (key - SDLK_0));
    if (key >= SDLK_F1 && key <= SDLK_F12) return static_cast<WPARAM>(0x70 + (key - SDLK_F1));
    switch (key) {
        case SDLK_BACKSPACE:
            return 0x08;
        case SDLK_TAB:
            return 0x09;
        case SDLK_RETURN:
            return 0x0D;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT:
            return 0x10;
        case SDLK_LCTRL:
        case SDLK_RCTRL:
            return 0x11;
        case SDLK_LALT:
        case SDLK_RALT:
            return 0x12;
        case SDLK_ESCAPE:
            return 0x1B;
        case SDLK_SPACE:
            return 0x20;
        case SDLK_LEFT:
            return 0x25;
        case SDLK_UP:
            return 0x26;
        case SDLK_RIGHT:
            return 0x27;
        case SDLK_DOWN:
            return 0x28;
        case SDLK_DELETE:
            return 0x2E;
        default:
            return 0;
    }
}

void TranslateKey(const SDL_KeyboardEvent& event) {
    const WPARAM key = VirtualKey(event.keysym.sym);
    const WindowRecord* record = FindLiveWindowBySdlId(event.windowID);
    if (key == 0 || record == nullptr) return;
    const bool up = event.type == SDL_KEYUP;
    // Repeat count 1, the scan code, and the previous-state and transition bits.
    LPARAM lParam = 1 | (static_cast<LPARAM>(event.keysym.scancode & 0xFF) << 16);
    if (up || event.repeat != 0) lParam |= static_cast<LPARAM>(1) << 30;
    if (up) lParam |= static_cast<LPARAM>(1) << 31;
    QueueMessage(record->handle, up ? WM_KEYUP : WM_KEYDOWN, key, lParam);
}

// SIGINT or SIGTERM (SDL's signal handlers) asks every window to close, as a session's end
// would. With no window left, the thread's loop is told to quit instead.
void TranslateQuit() {
    const std::vector<HWND> windows = LiveWindows();
    if (windows.empty()) {
        PostQuitMessage(0);
        return;
    }
    for (HWND window : windows) QueueMessage(window, WM_CLOSE, 0, 0);
}

void Translate(const SDL_Event& event) {
    switch (event.type) {
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            TranslateButton(event.button);
            break;
        case SDL_MOUSEMOTION:
            TranslateMotion(event.motion);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            TranslateKey(event.key);
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
                if (const WindowRecord* record = FindLiveWindowBySdlId(event.window.windowID))
                    QueueMessage(record->handle, WM_CLOSE, 0, 0);
            }
            break;
        case SDL_QUIT:
            TranslateQuit();
            break;
        default:
            break;
    }
}

}  // namespace

void PumpSdlEvents() {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return;
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) Translate(event);
}

bool WaitForSdlEvents() {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return false;
    if (SDL_WaitEvent(nullptr) == 0) return false;
    PumpSdlEvents();
    return true;
}

}  // namespace win32
