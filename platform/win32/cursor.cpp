// System cursors. The layer has the arrow, which is SDL's default cursor, so its handle is a
// token that needs no SDL.

#include <cstdint>

#include "platform/win32/win32.h"

HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR cursorName) {
    // Program modules hold no cursor resources; the system's cursors come with no module.
    if (instance != nullptr || cursorName != IDC_ARROW) return nullptr;
    return reinterpret_cast<HCURSOR>(reinterpret_cast<std::uintptr_t>(IDC_ARROW) | 0x10000);
}
