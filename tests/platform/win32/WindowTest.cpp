// Windows over SDL: creation, the messages of a window's life, destruction, and windows kept
// alive for a device past DestroyWindow.

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "RecordingWindow.h"
#include "platform/win32/native_window.h"

namespace {

using win32test::ReceivedIds;
using win32test::ReceivedMessages;
using win32test::RecordingWindowTest;

constexpr UINT kTestMessage = 0x0400 + 7;  // a message of the program's own range

Uint32 SdlFlags(HWND window) {
    return SDL_GetWindowFlags(win32::NativeWindow(window));
}

TEST_F(RecordingWindowTest, WindowWithoutVisibleStyleIsCreatedHiddenForOpenGl) {
    const HWND window = CreateRecordingWindow(WS_OVERLAPPEDWINDOW);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_FALSE(IsWindowVisible(window));
    ASSERT_NE(win32::NativeWindow(window), nullptr);
    EXPECT_NE(SdlFlags(window) & SDL_WINDOW_HIDDEN, 0u);
    EXPECT_NE(SdlFlags(window) & SDL_WINDOW_OPENGL, 0u);
    // WS_THICKFRAME: the window can be resized.
    EXPECT_NE(SdlFlags(window) & SDL_WINDOW_RESIZABLE, 0u);
}

TEST_F(RecordingWindowTest, StyleDecidesVisibilityAndResizing) {
    const HWND visible = CreateRecordingWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ASSERT_NE(visible, nullptr);
    EXPECT_TRUE(IsWindowVisible(visible));
    EXPECT_NE(SdlFlags(visible) & SDL_WINDOW_SHOWN, 0u);

    const HWND fixed = CreateRecordingWindow(WS_CAPTION | WS_SYSMENU);
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(SdlFlags(fixed) & SDL_WINDOW_RESIZABLE, 0u);
}

TEST_F(RecordingWindowTest, TitleIsTheNameDecodedFromCodePage932) {
    // "距離フィールド" in code page 932.
    const char title[] = "\x8B\x97\x97\xA3\x83\x74\x83\x42\x81\x5B\x83\x8B\x83\x68 -x-";
    const HWND window = CreateRecordingWindow(WS_OVERLAPPEDWINDOW, title);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(std::string(SDL_GetWindowTitle(win32::NativeWindow(window))),
              "\xE8\xB7\x9D\xE9\x9B\xA2\xE3\x83\x95\xE3\x82\xA3\xE3\x83\xBC\xE3\x83\xAB\xE3\x83\x89"
              " -x-");
}

TEST_F(RecordingWindowTest, UnknownClassGivesNoWindow) {
    EXPECT_EQ(CreateWindowExA(0, "no such class", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                              nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(CreateWindowExA(0, nullptr, "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                              nullptr, nullptr),
              nullptr);
    EXPECT_TRUE(ReceivedMessages().empty());
}

TEST_F(RecordingWindowTest, CreationSendsWmCreateWithTheArguments) {
    int creationData = 0;
    const HWND window =
        CreateWindowExA(0, kClassName, "named", WS_OVERLAPPEDWINDOW, 10, 20, 300, 200, nullptr,
                        nullptr, GetModuleHandleA(nullptr), &creationData);
    ASSERT_NE(window, nullptr);
    m_windows.push_back(window);
    ASSERT_EQ(ReceivedMessages().size(), 1u);
    const auto& created = ReceivedMessages()[0];
    EXPECT_EQ(created.window, window);
    EXPECT_EQ(created.message, WM_CREATE);
    const CREATESTRUCTA& record = win32test::g_lastCreate;
    EXPECT_EQ(record.lpCreateParams, &creationData);
    EXPECT_EQ(record.hInstance, GetModuleHandleA(nullptr));
    EXPECT_EQ(record.x, 10);
    EXPECT_EQ(record.y, 20);
    EXPECT_EQ(record.cx, 300);
    EXPECT_EQ(record.cy, 200);
    EXPECT_EQ(static_cast<DWORD>(record.style), WS_OVERLAPPEDWINDOW);
    EXPECT_STREQ(record.lpszName, "named");
    EXPECT_STREQ(record.lpszClass, kClassName);
}

TEST_F(RecordingWindowTest, WmCreateAnsweringMinusOneDestroysTheWindow) {
    win32test::g_createResult = -1;
    EXPECT_EQ(CreateRecordingWindow(), nullptr);
    EXPECT_EQ(ReceivedIds(), (std::vector<UINT>{WM_CREATE, WM_DESTROY}));
    EXPECT_FALSE(IsWindow(ReceivedMessages()[0].window));
}

TEST_F(RecordingWindowTest, ShowWindowShowsAndHidesAndReportsThePreviousState) {
    const HWND window = CreateRecordingWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(ShowWindow(window, SW_SHOWDEFAULT));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_NE(SdlFlags(window) & SDL_WINDOW_SHOWN, 0u);
    EXPECT_TRUE(ShowWindow(window, SW_HIDE));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_NE(SdlFlags(window) & SDL_WINDOW_HIDDEN, 0u);
}

TEST_F(RecordingWindowTest, UpdateWindowSendsOnePaint) {
    const HWND window = CreateRecordingWindow();
    ASSERT_NE(window, nullptr);
    ReceivedMessages().clear();
    EXPECT_TRUE(UpdateWindow(window));
    EXPECT_EQ(ReceivedIds(), (std::vector<UINT>{WM_PAINT}));
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
}

TEST_F(RecordingWindowTest, DestroyWindowSendsWmDestroyBeforeItReturns) {
    const HWND window = CreateRecordingWindow();
    ASSERT_NE(window, nullptr);
    ReceivedMessages().clear();
    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_EQ(ReceivedIds(), (std::vector<UINT>{WM_DESTROY}));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(win32::NativeWindow(window), nullptr);
    EXPECT_FALSE(DestroyWindow(window));
    RECT rect;
    EXPECT_FALSE(GetClientRect(window, &rect));
    EXPECT_FALSE(ShowWindow(window, SW_SHOWDEFAULT));
}

TEST_F(RecordingWindowTest, MessagesQueuedForADestroyedWindowAreDropped) {
    const HWND window = CreateRecordingWindow();
    const HWND other = CreateRecordingWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(PostMessageA(window, kTestMessage, 1, 0));
    ASSERT_TRUE(PostMessageA(other, kTestMessage, 2, 0));
    ASSERT_TRUE(DestroyWindow(window));
    EXPECT_FALSE(PostMessageA(window, kTestMessage, 3, 0));

    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.hwnd, other);
    EXPECT_EQ(message.wParam, 2u);
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));

    // A record kept from before is not delivered either.
    ReceivedMessages().clear();
    const MSG stale = {window, kTestMessage, 0, 0, 0, {0, 0}};
    EXPECT_EQ(DispatchMessageA(&stale), 0);
    EXPECT_EQ(SendMessageA(window, kTestMessage, 0, 0), 0);
    EXPECT_TRUE(ReceivedMessages().empty());
}

TEST_F(RecordingWindowTest, RetainedWindowKeepsItsSdlWindowHiddenUntilTheLastRelease) {
    const HWND window = CreateRecordingWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ASSERT_NE(window, nullptr);
    SDL_Window* sdlWindow = win32::NativeWindow(window);
    const Uint32 sdlId = SDL_GetWindowID(sdlWindow);
    ASSERT_TRUE(win32::RetainWindow(window));
    ASSERT_TRUE(win32::RetainWindow(window));

    ASSERT_TRUE(DestroyWindow(window));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(win32::RetainWindow(window));  // a destroyed window cannot be retained anew
    EXPECT_EQ(win32::NativeWindow(window), sdlWindow);
    EXPECT_EQ(SDL_GetWindowFromID(sdlId), sdlWindow);
    EXPECT_NE(SDL_GetWindowFlags(sdlWindow) & SDL_WINDOW_HIDDEN, 0u);

    win32::ReleaseWindow(window);
    EXPECT_EQ(SDL_GetWindowFromID(sdlId), sdlWindow);
    win32::ReleaseWindow(window);
    EXPECT_EQ(SDL_GetWindowFromID(sdlId), nullptr);
    EXPECT_EQ(win32::NativeWindow(window), nullptr);
    win32::ReleaseWindow(window);  // one release too many is ignored
}

TEST_F(RecordingWindowTest, ReleasingALiveWindowLeavesItAlive) {
    const HWND window = CreateRecordingWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(win32::RetainWindow(window));
    win32::ReleaseWindow(window);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_NE(win32::NativeWindow(window), nullptr);
    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_EQ(win32::NativeWindow(window), nullptr);
}

TEST_F(RecordingWindowTest, DefaultProcessingDestroysOnCloseAndAnswersZeroOtherwise) {
    const HWND window = CreateRecordingWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(DefWindowProcA(window, WM_PAINT, 0, 0), 0);
    EXPECT_EQ(DefWindowProcA(window, WM_KEYDOWN, 'A', 0), 0);
    EXPECT_TRUE(IsWindow(window));
    ReceivedMessages().clear();
    EXPECT_EQ(DefWindowProcA(window, WM_CLOSE, 0, 0), 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(ReceivedIds(), (std::vector<UINT>{WM_DESTROY}));
}

TEST(DisplayTest, ScreenMetricsAreThePrimaryDisplaysSize) {
    ASSERT_TRUE(win32::EnsureVideo());
    EXPECT_TRUE(win32::IsHeadless());
    SDL_DisplayMode mode;
    ASSERT_EQ(SDL_GetDesktopDisplayMode(0, &mode), 0);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), mode.w);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), mode.h);
    EXPECT_GT(mode.w, 0);
    EXPECT_EQ(GetSystemMetrics(2), 0);  // not a metric the layer knows
}

}  // namespace
