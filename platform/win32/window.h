// The process's windows as the layer keeps them: the record behind each handle, and the
// look-ups the message queue, the event translation and the capture need.
#pragma once

#include <SDL.h>

#include <string>
#include <vector>

#include "platform/win32/win32.h"
#include "platform/win32/window_class.h"
#include "platform/win32/window_frame.h"

#pragma GCC visibility push(hidden)

namespace win32 {

struct WindowRecord {
    HWND handle = nullptr;
    // The class and its procedure and style, copied at creation.
    const WindowClass* windowClass = nullptr;
    WNDPROC procedure = nullptr;
    UINT classStyle = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    FrameInsets frame;
    SDL_Window* sdlWindow = nullptr;
    Uint32 sdlWindowId = 0;
    bool visible = false;
    // False from the moment DestroyWindow has sent WM_DESTROY: the handle names no window.
    bool alive = true;
    bool destroying = false;
    // RetainWindow count; a destroyed window keeps its (hidden) SDL window while above 0.
    int retainCount = 0;
};

// The live window behind a handle, or null. Valid until the window is destroyed: callers
// never keep it across a call of a window procedure.
WindowRecord* FindLiveWindow(HWND window);

// The live window behind an SDL window id, or null.
WindowRecord* FindLiveWindowBySdlId(Uint32 sdlWindowId);

// The handles of all live windows, oldest first.
std::vector<HWND> LiveWindows();

// True while a live window of the class exists.
bool ClassHasLiveWindows(const WindowClass* windowClass);

}  // namespace win32

#pragma GCC visibility pop
