// The layer's side of the process's message queue.
#pragma once

#include "platform/win32/win32.h"

#pragma GCC visibility push(hidden)

namespace win32 {

// Appends a message at the end of the queue, stamped with the current time and cursor.
void QueueMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Removes every queued message for a window that has just been destroyed.
void DropMessagesFor(HWND window);

}  // namespace win32

#pragma GCC visibility pop
