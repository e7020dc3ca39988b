// Message boxes. With a display, SDL's modal box; without one (or where the box cannot be
// shown) the box is written to standard error in a fixed block and returns at once, so that
// nothing ever waits for a person who is not there:
//   [MessageBox] <caption>
//   <text>
//   [/MessageBox]

#include <SDL.h>

#include <cstdio>
#include <string>

#include "platform/win32/code_page.h"
#include "platform/win32/native_window.h"
#include "platform/win32/win32.h"

namespace {

// The caption of a box that is given none.
constexpr const char kDefaultCaption[] = "Error";

constexpr UINT kIconMask = 0x000000F0;
constexpr UINT kIconWarning = 0x00000030;

Uint32 SdlBoxFlags(UINT type) {
    switch (type & kIconMask) {
        case MB_ICONERROR:
            return SDL_MESSAGEBOX_ERROR;
        case kIconWarning:
            return SDL_MESSAGEBOX_WARNING;
        default:
            return SDL_MESSAGEBOX_INFORMATION;
    }
}

void WriteToStandardError(const std::string& caption, const std::string& text) {
    const std::string block = "[MessageBox] " + caption + "\n" + text + "\n[/MessageBox]\n";
    std::fwrite(block.data(), 1, block.size(), stderr);
    std::fflush(stderr);
}

}  // namespace

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    const std::string body = win32::Cp932ToUtf8(text);
    const std::string title = caption != nullptr ? win32::Cp932ToUtf8(caption) : kDefaultCaption;
    if (win32::EnsureVideo() && !win32::IsHeadless()) {
        SDL_Window* parent = IsWindow(owner) ? win32::NativeWindow(owner) : nullptr;
        if (SDL_ShowSimpleMessageBox(SdlBoxFlags(type), title.c_str(), body.c_str(), parent) == 0)
            return IDOK;
    }
    WriteToStandardError(title, body);
    return IDOK;
}
