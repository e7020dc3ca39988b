// Window class registration. Classes live in one table per process, keyed by name; a
// registration needs no SDL.

#include "platform/win32/window_class.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/win32/window.h"

namespace win32 {

namespace {

// Atoms of registered classes lie in the range Windows gives them.
constexpr ATOM kFirstClassAtom = 0xC000;

std::vector<std::unique_ptr<WindowClass>>& Classes() {
    // Never destroyed: windows and classes may still be looked up while the process exits.
    static auto* classes = new std::vector<std::unique_ptr<WindowClass>>();
    return *classes;
}

bool IsAtom(LPCSTR nameOrAtom) {
    return reinterpret_cast<std::uintptr_t>(nameOrAtom) < 0x10000;
}

bool SameName(const std::string& a, LPCSTR b) {
    const std::size_t length = std::strlen(b);
    if (a.size() != length) return false;
    for (std::size_t i = 0; i < length; ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

std::vector<std::unique_ptr<WindowClass>>::iterator Find(LPCSTR nameOrAtom) {
    auto& classes = Classes();
    auto it = classes.begin();
    for (; it != classes.end(); ++it) {
        if (IsAtom(nameOrAtom) ? (*it)->atom == reinterpret_cast<std::uintptr_t>(nameOrAtom)
                               : SameName((*it)->name, nameOrAtom))
            break;
    }
    return it;
}

ATOM FreeAtom() {
    for (unsigned atom = kFirstClassAtom; atom <= 0xFFFF; ++atom) {
        bool used = false;
        for (const auto& c : Classes()) used = used || c->atom == atom;
        if (!used) return static_cast<ATOM>(atom);
    }
    return 0;
}

}  // namespace

const WindowClass* FindWindowClass(LPCSTR nameOrAtom) {
    if (nameOrAtom == nullptr) return nullptr;
    auto it = Find(nameOrAtom);
    return it == Classes().end() ? nullptr : it->get();
}

}  // namespace win32

ATOM RegisterClassExA(const WNDCLASSEXA* windowClass) {
    using namespace win32;
    if (windowClass == nullptr || windowClass->cbSize != sizeof(WNDCLASSEXA)) return 0;
    const LPCSTR name = windowClass->lpszClassName;
    if (name == nullptr || IsAtom(name) || name[0] == '\0') return 0;
    if (windowClass->lpfnWndProc == nullptr) return 0;
    if (FindWindowClass(name) != nullptr) return 0;
    const ATOM atom = FreeAtom();
    if (atom == 0) return 0;

    auto entry = std::make_unique<WindowClass>();
    entry->name = name;
    entry->atom = atom;
    entry->style = windowClass->style;
    entry->procedure = windowClass->lpfnWndProc;
    entry->instance = windowClass->hInstance;
    entry->cursor = windowClass->hCursor;
    entry->background = windowClass->hbrBackground;
    Classes().push_back(std::move(entry));
    return atom;
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE) {
    using namespace win32;
    if (className == nullptr) return FALSE;
    auto it = Find(className);
    if (it == Classes().end()) return FALSE;
    // Windows refuses while a window of the class exists.
    if (ClassHasLiveWindows(it->get())) return FALSE;
    Classes().erase(it);
    return TRUE;
}
