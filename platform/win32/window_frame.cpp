// The frame model, with the sizes Windows 10 reports at 96 DPI: a sizing border of 8 pixels
// (4 of frame and 4 of padding), a fixed border of 3, a thin border of 1, a caption bar of 23
// and a menu bar of 20.

#include "platform/win32/window_frame.h"

namespace win32 {

namespace {

constexpr DWORD WS_DLGFRAME = 0x00400000;

constexpr int kSizingBorder = 8;
constexpr int kFixedBorder = 3;
constexpr int kThinBorder = 1;
constexpr int kCaptionBar = 23;
constexpr int kMenuBar = 20;

}  // namespace

FrameInsets FrameForStyle(DWORD style, bool menu) {
    int border = 0;
    if ((style & WS_THICKFRAME) != 0)
        border = kSizingBorder;
    else if ((style & WS_DLGFRAME) != 0)
        border = kFixedBorder;
    else if ((style & WS_BORDER) != 0)
        border = kThinBorder;

    FrameInsets frame;
    frame.left = frame.right = frame.bottom = border;
    frame.top = border;
    if ((style & WS_CAPTION) == WS_CAPTION) frame.top += kCaptionBar;
    if (menu) frame.top += kMenuBar;
    return frame;
}

}  // namespace win32

BOOL AdjustWindowRect(RECT* rect, DWORD style, BOOL menu) {
    if (rect == nullptr) return FALSE;
    const win32::FrameInsets frame = win32::FrameForStyle(style, menu != FALSE);
    rect->left -= frame.left;
    rect->top -= frame.top;
    rect->right += frame.right;
    rect->bottom += frame.bottom;
    return TRUE;
}
