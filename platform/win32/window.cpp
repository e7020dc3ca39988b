// Windows: creation over SDL, the messages sent during a window's life, destruction, and the
// handles the device module keeps alive past destruction.

#include <cstdint>
#include <map>
#include <memory>

#include "platform/win32/code_page.h"
#include "platform/win32/message_queue.h"
#include "platform/win32/mouse_capture.h"
#include "platform/win32/native_window.h"
#include "platform/win32/window.h"

namespace win32 {

namespace {

// The client size of a window created with CW_USEDEFAULT for its size.
constexpr int kDefaultClientWidth = 640;
constexpr int kDefaultClientHeight = 480;

struct WindowTable {
    // Handles are never reused, so a destroyed handle stays invalid for the whole run.
    std::uintptr_t nextId = 0x10000;
    std::map<HWND, std::unique_ptr<WindowRecord>> records;
};

WindowTable& Table() {
    // Never destroyed: a device released at process exit may still release its window.
    static auto* table = new WindowTable();
    return *table;
}

WindowRecord* FindRecord(HWND window) {
    auto& records = Table().records;
    auto it = records.find(window);
    return it == records.end() ? nullptr : it->second.get();
}

// Destroys the SDL window and forgets the record, once it is neither alive nor retained.
void DisposeIfUnused(HWND window) {
    WindowRecord* record = FindRecord(window);
    if (record == nullptr || record->alive || record->retainCount > 0) return;
    if (record->sdlWindow != nullptr) SDL_DestroyWindow(record->sdlWindow);
    Table().records.erase(window);
}

// SDL loads the OpenGL library with the first OpenGL window and unloads it with the last.
// One reference of the layer's own keeps it loaded for the whole run, so that windows and the
// device's contexts come and go without reloading the driver (whose allocations would be
// stranded by each unload).
void PinOpenGlLibrary(SDL_Window* window) {
    static bool pinned = false;
    if (pinned || (SDL_GetWindowFlags(window) & SDL_WINDOW_OPENGL) == 0) return;
    pinned = SDL_GL_LoadLibrary(nullptr) == 0;
}

}  // namespace

WindowRecord* FindLiveWindow(HWND window) {
    WindowRecord* record = FindRecord(window);
    return record != nullptr && record->alive ? record : nullptr;
}

WindowRecord* FindLiveWindowBySdlId(Uint32 sdlWindowId) {
    for (auto& entry : Table().records) {
        WindowRecord* record = entry.second.get();
        if (record->alive && record->sdlWindowId == sdlWindowId) return record;
    }
    return nullptr;
}

std::vector<HWND> LiveWindows() {
    std::vector<HWND> windows;
    for (auto& entry : Table().records)
        if (entry.second->alive) windows.push_back(entry.first);
    return windows;
}

bool ClassHasLiveWindows(const WindowClass* windowClass) {
    for (auto& entry : Table().records)
        if (entry.second->alive && entry.second->windowClass == windowClass) return true;
    return false;
}

SDL_Window* NativeWindow(HWND window) {
    // A retained window keeps its SDL window reachable after DestroyWindow, for the device
    // that still renders into it.
    WindowRecord* record = FindRecord(window);
    if (record == nullptr || (!record->alive && record->retainCount == 0)) return nullptr;
    return record->sdlWindow;
}

bool RetainWindow(HWND window) {
    WindowRecord* record = FindLiveWindow(window);
    if (record == nullptr) return false;
    ++record->retainCount;
    return true;
}

void ReleaseWindow(HWND window) {
    WindowRecord* record = FindRecord(window);
    if (record == nullptr || record->retainCount == 0) return;
    --record->retainCount;
    DisposeIfUnused(window);
}

}  // namespace win32

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     void* param) {
    using namespace win32;
    const WindowClass* windowClass = FindWindowClass(className);
    if (windowClass == nullptr) return nullptr;
    if (!EnsureVideo()) return nullptr;

    // The outer rectangle shrinks by the frame to the client area SDL is asked for.
    const FrameInsets frame = FrameForStyle(style, menu != nullptr);
    int clientWidth = kDefaultClientWidth, clientHeight = kDefaultClientHeight;
    if (width != CW_USEDEFAULT) {
        clientWidth = width - frame.left - frame.right;
        clientHeight = height - frame.top - frame.bottom;
    }
    if (clientWidth < 1) clientWidth = 1;
    if (clientHeight < 1) clientHeight = 1;
    int clientX = static_cast<int>(SDL_WINDOWPOS_UNDEFINED);
    int clientY = static_cast<int>(SDL_WINDOWPOS_UNDEFINED);
    if (x != CW_USEDEFAULT) {
        clientX = x + frame.left;
        clientY = y + frame.top;
    }

    Uint32 flags = SDL_WINDOW_OPENGL;
    flags |= (style & WS_VISIBLE) != 0 ? SDL_WINDOW_SHOWN : SDL_WINDOW_HIDDEN;
    if ((style & WS_THICKFRAME) != 0) flags |= SDL_WINDOW_RESIZABLE;
    if ((style & WS_CAPTION) != WS_CAPTION && (style & WS_THICKFRAME) == 0)
        flags |= SDL_WINDOW_BORDERLESS;

    const std::string title = Cp932ToUtf8(windowName);
    SDL_Window* sdlWindow =
        SDL_CreateWindow(title.c_str(), clientX, clientY, clientWidth, clientHeight, flags);
    if (sdlWindow == nullptr) {
        // Without OpenGL (no GL or EGL library) the window can still exist; the device then
        // fails on its own when it cannot make a context for it.
        sdlWindow = SDL_CreateWindow(title.c_str(), clientX, clientY, clientWidth, clientHeight,
                                     flags & ~static_cast<Uint32>(SDL_WINDOW_OPENGL));
    }
    if (sdlWindow == nullptr) return nullptr;
    PinOpenGlLibrary(sdlWindow);

    auto& table = Table();
    const HWND handle = reinterpret_cast<HWND>(table.nextId++);
    auto record = std::make_unique<WindowRecord>();
    record->handle = handle;
    record->windowClass = windowClass;
    record->procedure = windowClass->procedure;
    record->classStyle = windowClass->style;
    record->style = style;
    record->exStyle = exStyle;
    record->frame = frame;
    record->sdlWindow = sdlWindow;
    record->sdlWindowId = SDL_GetWindowID(sdlWindow);
    record->visible = (style & WS_VISIBLE) != 0;
    table.records.emplace(handle, std::move(record));

    CREATESTRUCTA create = {};
    create.lpCreateParams = param;
    create.hInstance = instance;
    create.hMenu = menu;
    create.hwndParent = parent;
    create.cx = width;
    create.cy = height;
    create.x = x;
    create.y = y;
    create.style = static_cast<LONG>(style);
    create.lpszName = windowName;
    create.lpszClass = className;
    create.dwExStyle = exStyle;
    const LRESULT created = SendMessageA(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create));
    if (created == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    // The procedure may have destroyed the window while it was being created.
    return FindLiveWindow(handle) != nullptr ? handle : nullptr;
}

BOOL DestroyWindow(HWND window) {
    using namespace win32;
    WindowRecord* record = FindLiveWindow(window);
    if (record == nullptr || record->destroying) return FALSE;
    record->destroying = true;
    ForgetCaptureOf(window);

    // The window is still a window while its procedure handles WM_DESTROY.
    SendMessageA(window, WM_DESTROY, 0, 0);

    record = FindLiveWindow(window);
    if (record == nullptr) return TRUE;
    record->alive = false;
    DropMessagesFor(window);
    if (record->retainCount > 0) {
        // The device still renders into it: keep the SDL window, out of sight.
        SDL_HideWindow(record->sdlWindow);
        record->visible = false;
    }
    DisposeIfUnused(window);
    return TRUE;
}

BOOL IsWindow(HWND window) {
    return win32::FindLiveWindow(window) != nullptr ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND window) {
    const win32::WindowRecord* record = win32::FindLiveWindow(window);
    return record != nullptr && record->visible ? TRUE : FALSE;
}

BOOL ShowWindow(HWND window, int showCommand) {
    win32::WindowRecord* record = win32::FindLiveWindow(window);
    if (record == nullptr) return FALSE;
    const BOOL wasVisible = record->visible ? TRUE : FALSE;
    if (showCommand == SW_HIDE) {
        SDL_HideWindow(record->sdlWindow);
        record->visible = false;
    } else {
        SDL_ShowWindow(record->sdlWindow);
        record->visible = true;
    }
    return wasVisible;
}

BOOL UpdateWindow(HWND window) {
    if (win32::FindLiveWindow(window) == nullptr) return FALSE;
    SendMessageA(window, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL GetClientRect(HWND window, RECT* rect) {
    const win32::WindowRecord* record = win32::FindLiveWindow(window);
    if (record == nullptr || rect == nullptr) return FALSE;
    int width = 0, height = 0;
    SDL_GetWindowSize(record->sdlWindow, &width, &height);
    *rect = RECT{0, 0, width, height};
    return TRUE;
}

BOOL GetWindowRect(HWND window, RECT* rect) {
    const win32::WindowRecord* record = win32::FindLiveWindow(window);
    if (record == nullptr || rect == nullptr) return FALSE;
    int x = 0, y = 0, width = 0, height = 0;
    SDL_GetWindowPosition(record->sdlWindow, &x, &y);
    SDL_GetWindowSize(record->sdlWindow, &width, &height);
    const win32::FrameInsets& frame = record->frame;
    *rect = RECT{x - frame.left, y - frame.top, x + width + frame.right, y + height + frame.bottom};
    return TRUE;
}
