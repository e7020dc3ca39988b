// SDL's input events as window messages. The tests push the events SDL would deliver.

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "RecordingWindow.h"
#include "platform/win32/native_window.h"

namespace {

using win32test::RecordingWindowTest;

Uint32 SdlId(HWND window) {
    return SDL_GetWindowID(win32::NativeWindow(window));
}

void PushButton(HWND window, bool down, Uint8 button, Uint8 clicks, int x, int y) {
    SDL_Event event = {};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.windowID = SdlId(window);
    event.button.button = button;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = clicks;
    event.button.x = x;
    event.button.y = y;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
}

void PushMotion(HWND window, Uint32 buttons, int x, int y) {
    SDL_Event event = {};
    event.type = SDL_MOUSEMOTION;
    event.motion.windowID = SdlId(window);
    event.motion.state = buttons;
    event.motion.x = x;
    event.motion.y = y;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
}

void PushWindowEvent(HWND window, Uint8 what) {
    SDL_Event event = {};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = SdlId(window);
    event.window.event = what;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
}

// Every message the queue holds, removed.
std::vector<MSG> TakeAll() {
    std::vector<MSG> messages;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) messages.push_back(message);
    return messages;
}

TEST_F(RecordingWindowTest, MouseEventsBecomeButtonAndMoveMessages) {
    const HWND window = CreateRecordingWindow();
    ASSERT_NE(window, nullptr);
    PushButton(window, true, SDL_BUTTON_LEFT, 1, 10, 20);
    PushMotion(window, SDL_BUTTON_LMASK, 15, 25);
    // Captured moves outside the client area: negative positions.
    PushMotion(window, SDL_BUTTON_LMASK, -5, -300);
    PushButton(window, false, SDL_BUTTON_LEFT, 1, -5, -300);
    PushMotion(window, 0, 40, 50);
    PushButton(window, true, SDL_BUTTON_RIGHT, 1, 1, 2);
    PushButton(window, false, SDL_BUTTON_RIGHT, 1, 1, 2);
    PushButton(window, true, SDL_BUTTON_MIDDLE, 1, 3, 4);
    PushButton(window, false, SDL_BUTTON_MIDDLE, 1, 3, 4);

    struct Expected {
        UINT message;
        WPARAM buttons;
        int x, y;
    };
    const Expected expected[] = {
        {WM_LBUTTONDOWN, MK_LBUTTON, 10, 20},
        {WM_MOUSEMOVE, MK_LBUTTON, 15, 25},
        {WM_MOUSEMOVE, MK_LBUTTON, -5, -300},
        {WM_LBUTTONUP, 0, -5, -300},
        {WM_MOUSEMOVE, 0, 40, 50},
        {WM_RBUTTONDOWN, MK_RBUTTON, 1, 2},
        {WM_RBUTTONUP, 0, 1, 2},
        {WM_MBUTTONDOWN, MK_MBUTTON, 3, 4},
        {WM_MBUTTONUP, 0, 3, 4},
    };
    const std::vector<MSG> messages = TakeAll();
    ASSERT_EQ(messages.size(), std::size(expected));
    for (size_t i = 0; i < messages.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(messages[i].hwnd, window);
        EXPECT_EQ(messages[i].message, expected[i].message);
        EXPECT_EQ(messages[i].wParam, expected[i].buttons);
        EXPECT_EQ(GET_X_LPARAM(messages[i].lParam), expected[i].x);
        EXPECT_EQ(GET_Y_LPARAM(messages[i].lParam), expected[i].y);
    }
    // Two 16-bit fields: x = -5 is 0xFFFB in the low word.
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(messages[2].lParam)), 0xFFFB);
}

TEST_F(RecordingWindowTest, TwoQuickPressesAreTwoPressesUnlessTheClassAsksForDoubleClicks) {
    struct Case {
        UINT classStyle;
        UINT second;
    };
    for (const Case& c : {Case{0, WM_LBUTTONDOWN}, Case{CS_DBLCLKS, WM_LBUTTONDBLCLK}}) {
        SetClassStyle(c.classStyle);
        const HWND window = CreateRecordingWindow();
        ASSERT_NE(window, nullptr);
        PushButton(window, true, SDL_BUTTON_LEFT, 1, 5, 5);
        PushButton(window, false, SDL_BUTTON_LEFT, 1, 5, 5);
        PushButton(window, true, SDL_BUTTON_LEFT, 2, 5, 5);
        PushButton(window, false, SDL_BUTTON_LEFT, 2, 5, 5);
        std::vector<UINT> ids;
        for (const MSG& m : TakeAll()) ids.push_back(m.message);
        EXPECT_EQ(ids, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, c.second, WM_LBUTTONUP}))
            << "class style " << c.classStyle;
        DestroyWindow(window);
    }
}

TEST_F(RecordingWindowTest, CloseButtonBecomesWmCloseWhichDestroysTheWindow) {
    const HWND window = CreateRecordingWindow();
    ASSERT_NE(window, nullptr);
    PushWindowEvent(window, SDL_WINDOWEVENT_CLOSE);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.hwnd, window);
    EXPECT_EQ(message.message, WM_CLOSE);
    DispatchMessageA(&message);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(RecordingWindowTest, QuitRequestClosesEveryWindow) {
    const HWND first = CreateRecordingWindow();
    const HWND second = CreateRecordingWindow();
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&quit), 1);
    const std::vector<MSG> messages = TakeAll();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].message, WM_CLOSE);
    EXPECT_EQ(messages[0].hwnd, first);
    EXPECT_EQ(messages[1].message, WM_CLOSE);
    EXPECT_EQ(messages[1].hwnd, second);
}

TEST_F(RecordingWindowTest, QuitRequestWithoutWindowsEndsTheLoop) {
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&quit), 1);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(GetMessageA(&message, nullptr, 0, 0), FALSE);
    EXPECT_EQ(message.wParam, 0u);
}

TEST_F(RecordingWindowTest, KeysBecomeVirtualKeyMessages) {
    const HWND window = CreateRecordingWindow();
    ASSERT_NE(window, nullptr);
    for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
        SDL_Event event = {};
        event.type = type;
        event.key.windowID = SdlId(window);
        event.key.keysym.sym = SDLK_a;
        event.key.keysym.scancode = SDL_SCANCODE_A;
        ASSERT_EQ(SDL_PushEvent(&event), 1);
    }
    const std::vector<MSG> messages = TakeAll();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].message, WM_KEYDOWN);
    EXPECT_EQ(messages[0].wParam, static_cast<WPARAM>('A'));
    EXPECT_EQ(messages[1].message, WM_KEYUP);
    EXPECT_EQ(messages[1].wParam, static_cast<WPARAM>('A'));
}

TEST_F(RecordingWindowTest, EventsOfWindowsTheLayerDoesNotKnowAreIgnored) {
    const HWND window = CreateRecordingWindow();
    ASSERT_NE(window, nullptr);
    SDL_Window* foreign = SDL_CreateWindow("", 0, 0, 10, 10, SDL_WINDOW_HIDDEN);
    ASSERT_NE(foreign, nullptr);
    SDL_Event event = {};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.windowID = SDL_GetWindowID(foreign);
    event.button.button = SDL_BUTTON_LEFT;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
    const HWND destroyed = CreateRecordingWindow();
    const Uint32 destroyedId = SdlId(destroyed);
    DestroyWindow(destroyed);
    event.button.windowID = destroyedId;
    ASSERT_EQ(SDL_PushEvent(&event), 1);
    EXPECT_TRUE(TakeAll().empty());
    SDL_DestroyWindow(foreign);
}

}  // namespace
