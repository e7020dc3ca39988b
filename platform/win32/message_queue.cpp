// The process's one message queue: first in, first out, fed by posted messages and by the
// messages SDL's events become.

#include "platform/win32/message_queue.h"

#include <SDL.h>

#include <algorithm>
#include <deque>

#include "platform/win32/event_translation.h"
#include "platform/win32/window.h"

namespace win32 {

namespace {

std::deque<MSG>& Queue() {
    static auto* queue = new std::deque<MSG>();
    return *queue;
}

// The filters of PeekMessageA and GetMessageA. A null window takes messages for any window
// and thread messages, (HWND)-1 thread messages only. A range of 0 to 0 takes every message;
// the quit message passes any range.
bool Matches(const MSG& message, HWND window, UINT filterMin, UINT filterMax) {
    if (window == reinterpret_cast<HWND>(-1)) {
        if (message.hwnd != nullptr) return false;
    } else if (window != nullptr && message.hwnd != window) {
        return false;
    }
    if (message.message == WM_QUIT || (filterMin == 0 && filterMax == 0)) return true;
    return message.message >= filterMin && message.message <= filterMax;
}

std::deque<MSG>::iterator FindMessage(HWND window, UINT filterMin, UINT filterMax) {
    auto& queue = Queue();
    return std::find_if(queue.begin(), queue.end(), [&](const MSG& message) {
        return Matches(message, window, filterMin, filterMax);
    });
}

}  // namespace

void QueueMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG entry = {};
    entry.hwnd = window;
    entry.message = message;
    entry.wParam = wParam;
    entry.lParam = lParam;
    entry.time = SDL_GetTicks();
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
        int x = 0, y = 0;
        SDL_GetGlobalMouseState(&x, &y);
        entry.pt = POINT{x, y};
    }
    Queue().push_back(entry);
}

void DropMessagesFor(HWND window) {
    auto& queue = Queue();
    queue.erase(std::remove_if(queue.begin(), queue.end(),
                               [window](const MSG& message) { return message.hwnd == window; }),
                queue.end());
}

}  // namespace win32

BOOL PeekMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags) {
    win32::PumpSdlEvents();
    auto it = win32::FindMessage(window, filterMin, filterMax);
    if (it == win32::Queue().end()) return FALSE;
    if (message != nullptr) *message = *it;
    if ((removeFlags & PM_REMOVE) != 0) win32::Queue().erase(it);
    return TRUE;
}

BOOL GetMessageA(MSG* message, HWND window, UINT filterMin, UINT filterMax) {
    if (message == nullptr) return -1;
    win32::PumpSdlEvents();
    for (;;) {
        auto it = win32::FindMessage(window, filterMin, filterMax);
        if (it != win32::Queue().end()) {
            *message = *it;
            win32::Queue().erase(it);
            return message->message == WM_QUIT ? FALSE : TRUE;
        }
        // Nothing waits: sleep in SDL until an event comes. Without SDL nothing ever can,
        // and waiting would hang the thread for good: report the failure instead.
        if (!win32::WaitForSdlEvents()) return -1;
    }
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // A null window posts a message to the thread itself.
    if (window != nullptr && win32::FindLiveWindow(window) == nullptr) return FALSE;
    win32::QueueMessage(window, message, wParam, lParam);
    return TRUE;
}

void PostQuitMessage(int exitCode) {
    win32::QueueMessage(nullptr, WM_QUIT, static_cast<WPARAM>(static_cast<LPARAM>(exitCode)), 0);
}
