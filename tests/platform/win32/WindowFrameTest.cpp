// One frame model behind AdjustWindowRect and CreateWindowExA: a window created with the
// outer size AdjustWindowRect gives has exactly the client area asked for.

#include <SDL.h>
#include <gtest/gtest.h>

#include "RecordingWindow.h"
#include "platform/win32/native_window.h"

namespace {

using win32test::RecordingWindowTest;

struct FrameCase {
    const char* what;
    DWORD style;
    BOOL menu;
    RECT expected;  // the outer rectangle of the client rectangle (0, 0, 1024, 320)
};

const FrameCase kFrameCases[] = {
    {"overlapped window", WS_OVERLAPPEDWINDOW, FALSE, {-8, -31, 1032, 328}},
    {"overlapped window with a menu", WS_OVERLAPPEDWINDOW, TRUE, {-8, -51, 1032, 328}},
    {"caption, fixed border", WS_CAPTION | WS_SYSMENU, FALSE, {-3, -26, 1027, 323}},
    {"popup", WS_POPUP, FALSE, {0, 0, 1024, 320}},
    {"popup with a thin border", WS_POPUP | WS_BORDER, FALSE, {-1, -1, 1025, 321}},
};

TEST(WindowFrameTest, AdjustWindowRectGrowsTheClientRectangleByTheFrame) {
    for (const FrameCase& c : kFrameCases) {
        RECT rect = {0, 0, 1024, 320};
        ASSERT_TRUE(AdjustWindowRect(&rect, c.style, c.menu));
        EXPECT_EQ(rect.left, c.expected.left) << c.what;
        EXPECT_EQ(rect.top, c.expected.top) << c.what;
        EXPECT_EQ(rect.right, c.expected.right) << c.what;
        EXPECT_EQ(rect.bottom, c.expected.bottom) << c.what;
    }
    EXPECT_FALSE(AdjustWindowRect(nullptr, WS_OVERLAPPEDWINDOW, FALSE));
}

TEST_F(RecordingWindowTest, CreateWindowPlacesTheClientAreaInsideTheAdjustedFrame) {
    for (const FrameCase& c : kFrameCases) {
        if (c.menu) continue;  // the layer's windows have no menus
        RECT outer = {0, 0, 1024, 320};
        AdjustWindowRect(&outer, c.style, FALSE);
        const int x = 40, y = 30;
        const int width = outer.right - outer.left, height = outer.bottom - outer.top;
        const HWND window = CreateRecordingWindow(c.style, "", x, y, width, height);
        ASSERT_NE(window, nullptr) << c.what;

        RECT client = {};
        ASSERT_TRUE(GetClientRect(window, &client));
        EXPECT_EQ(client.left, 0) << c.what;
        EXPECT_EQ(client.top, 0) << c.what;
        EXPECT_EQ(client.right, 1024) << c.what;
        EXPECT_EQ(client.bottom, 320) << c.what;

        RECT frame = {};
        ASSERT_TRUE(GetWindowRect(window, &frame));
        EXPECT_EQ(frame.left, x) << c.what;
        EXPECT_EQ(frame.top, y) << c.what;
        EXPECT_EQ(frame.right, x + width) << c.what;
        EXPECT_EQ(frame.bottom, y + height) << c.what;

        // The SDL window is the client area, at the frame's left border and below the caption.
        int sdlX = 0, sdlY = 0;
        SDL_GetWindowPosition(win32::NativeWindow(window), &sdlX, &sdlY);
        EXPECT_EQ(sdlX, x - outer.left) << c.what;
        EXPECT_EQ(sdlY, y - outer.top) << c.what;
        DestroyWindow(window);
    }
}

}  // namespace
