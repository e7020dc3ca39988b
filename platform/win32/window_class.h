// The process's table of registered window classes.
#pragma once

#include <string>

#include "platform/win32/win32.h"

#pragma GCC visibility push(hidden)

namespace win32 {

struct WindowClass {
    std::string name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC procedure = nullptr;
    HINSTANCE instance = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
};

// The class named by a name or by an atom (MAKEINTATOM), compared without regard to ASCII
// case as Windows does; null when none is registered. The pointer is valid until the class
// is unregistered.
const WindowClass* FindWindowClass(LPCSTR nameOrAtom);

}  // namespace win32

#pragma GCC visibility pop
