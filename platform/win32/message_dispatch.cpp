// Delivery of messages to window procedures, and the default processing.

#include "platform/win32/window.h"

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const win32::WindowRecord* record = win32::FindLiveWindow(window);
    if (record == nullptr || record->procedure == nullptr) return 0;
    // The record may be gone once the procedure returns; nothing of it is used after the call.
    const WNDPROC procedure = record->procedure;
    return procedure(window, message, wParam, lParam);
}

BOOL TranslateMessage(const MSG*) {
    // Keys are delivered as WM_KEYDOWN and WM_KEYUP only; nothing becomes WM_CHAR.
    return FALSE;
}

LRESULT DispatchMessageA(const MSG* message) {
    // Thread messages have no procedure, and a destroyed window gets nothing more.
    if (message == nullptr || message->hwnd == nullptr) return 0;
    return SendMessageA(message->hwnd, message->message, message->wParam, message->lParam);
}

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM, LPARAM) {
    // A close request destroys the window; every other message needs nothing by default.
    if (message == WM_CLOSE) DestroyWindow(window);
    return 0;
}
