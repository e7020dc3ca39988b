// The life of the program around a scripted application object: registration, the hidden
// centred window, start-up failures and their boxes, the loop, finalisation and the exit code.

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MessageBoxLog.h"
#include "RecordingWindow.h"
#include "ScriptedMain.h"
#include "app/Application.h"
#include "platform/win32/native_window.h"

namespace {

using apptest::ScriptedMain;
using win32test::LoggedMessageBox;
using win32test::ParseMessageBoxes;

constexpr const char kClassName[] = "sampleClass";
// The caption, decoded from code page 932.
constexpr const char kCaptionUtf8[] =
    "\xE8\xB7\x9D\xE9\x9B\xA2\xE3\x83\x95\xE3\x82\xA3\xE3\x83\xBC\xE3\x83\xAB\xE3\x83\x89\xE3\x81"
    "\xAE\xE3\x83\x99\xE3\x82\xAF\xE3\x83\x88\xE3\x83\xAB\xE5\x8C\x96 -Distance Field "
    "Vectorization- (C) 2026 dfdemo contributors";

LRESULT Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterSampleClass() {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Procedure;
    windowClass.lpszClassName = kClassName;
    return RegisterClassExA(&windowClass) != 0;
}

class ApplicationTest : public ::testing::Test {
protected:
    void SetUp() override { win32test::DrainQueue(); }
    void TearDown() override {
        // A failed start leaves the hidden window (and so its class) to the process's end.
        if (IsWindow(m_main.m_hwnd)) DestroyWindow(m_main.m_hwnd);
        UnregisterClassA(kClassName, nullptr);
        win32test::DrainQueue();
    }

    // Runs the program's life; its boxes are read from standard error.
    int Run() {
        ::testing::internal::CaptureStderr();
        const int exitCode = RunApplication(m_main);
        m_boxes = ParseMessageBoxes(::testing::internal::GetCapturedStderr());
        return exitCode;
    }

    ScriptedMain m_main;
    std::vector<LoggedMessageBox> m_boxes;
};

TEST_F(ApplicationTest, FailedClassRegistrationShowsItsBoxAndEndsWithZero) {
    ASSERT_TRUE(RegisterSampleClass());
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(m_boxes, (std::vector<LoggedMessageBox>{
                           {"Error",
                            "\xE3\x82\xA6\xE3\x82\xA3\xE3\x83\xB3\xE3\x83\x89\xE3\x82\xA6"
                            "\xE3\x82\xAF\xE3\x83\xA9\xE3\x82\xB9\xE3\x81\xAE\xE7\x99\xBB"
                            "\xE9\x8C\xB2\xE3\x81\xAB\xE5\xA4\xB1\xE6\x95\x97."}}));
    EXPECT_TRUE(m_main.log.empty());
    EXPECT_EQ(m_main.m_hwnd, nullptr);
}

TEST_F(ApplicationTest, WindowIsCreatedHiddenCentredAndCaptionedBeforeStartUp) {
    struct Seen {
        RECT client{}, frame{};
        std::string title;
        Uint32 flags = 0;
        int screenWidth = 0, screenHeight = 0;
    } seen;
    m_main.onInitialize = [&seen](ScriptedMain& app) {
        GetClientRect(app.m_hwnd, &seen.client);
        GetWindowRect(app.m_hwnd, &seen.frame);
        SDL_Window* window = win32::NativeWindow(app.m_hwnd);
        seen.title = SDL_GetWindowTitle(window);
        seen.flags = SDL_GetWindowFlags(window);
        seen.screenWidth = GetSystemMetrics(SM_CXSCREEN);
        seen.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    };
    m_main.initializeResult = false;
    EXPECT_EQ(Run(), 0);

    EXPECT_EQ(m_main.log,
              (std::vector<std::string>{"initialize 1024x320 windowed=1 visible=0", "finalize"}));
    EXPECT_EQ(seen.client.right, 1024);
    EXPECT_EQ(seen.client.bottom, 320);
    EXPECT_EQ(seen.title, kCaptionUtf8);
    EXPECT_NE(seen.flags & SDL_WINDOW_HIDDEN, 0u);
    // The outer frame, 1040 × 359, is centred, truncating toward zero.
    const int width = 1024 + 16, height = 320 + 39;
    EXPECT_EQ(seen.frame.left, (seen.screenWidth - width) / 2);
    EXPECT_EQ(seen.frame.top, (seen.screenHeight - height) / 2);
    EXPECT_EQ(seen.frame.right - seen.frame.left, width);
    EXPECT_EQ(seen.frame.bottom - seen.frame.top, height);
}

TEST_F(ApplicationTest, FailedStartUpNeverShowsTheWindowAndStillFinalises) {
    m_main.initializeResult = false;
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(m_main.log.back(), "finalize");
    EXPECT_EQ(m_main.frames, 0);
    // The hidden window is left to the process's end, and with it its class.
    EXPECT_TRUE(IsWindow(m_main.m_hwnd));
    EXPECT_FALSE(IsWindowVisible(m_main.m_hwnd));
    EXPECT_FALSE(RegisterSampleClass());
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(ApplicationTest, FailedStartUpUnregistersTheClass) {
    // A start-up that fails after its window went away shows that the class is unregistered.
    m_main.initializeResult = false;
    m_main.onInitialize = [](ScriptedMain& app) { DestroyWindow(app.m_hwnd); };
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(m_main.log.back(), "finalize");
    EXPECT_TRUE(RegisterSampleClass());
}

TEST_F(ApplicationTest, SuccessfulStartUpShowsTheWindowRunsFramesAndEndsWithZero) {
    m_main.onFrame = [](ScriptedMain&, int frame) { return frame < 3; };
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(m_main.log, (std::vector<std::string>{"initialize 1024x320 windowed=1 visible=0",
                                                    "frame 1 visible=1", "frame 2 visible=1",
                                                    "frame 3 visible=1", "finalize"}));
    EXPECT_FALSE(IsWindow(m_main.m_hwnd));
    EXPECT_TRUE(RegisterSampleClass());  // unregistered on the way out
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(ApplicationTest, ClosingTheWindowEndsTheProgramThroughTheDefaultProcessing) {
    m_main.onFrame = [](ScriptedMain& app, int frame) {
        // The close button, as SDL reports it.
        if (frame == 2) {
            SDL_Event event = {};
            event.type = SDL_WINDOWEVENT;
            event.window.event = SDL_WINDOWEVENT_CLOSE;
            event.window.windowID = SDL_GetWindowID(win32::NativeWindow(app.m_hwnd));
            SDL_PushEvent(&event);
        }
        return frame < 100;  // a guard: the close must end it long before
    };
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(m_main.frames, 2);
    EXPECT_EQ(m_main.log.back(), "finalize");
    EXPECT_FALSE(IsWindow(m_main.m_hwnd));
}

TEST_F(ApplicationTest, TheQuitCodeIsTheExitCode) {
    m_main.onFrame = [](ScriptedMain&, int) {
        PostQuitMessage(4);
        return true;
    };
    EXPECT_EQ(Run(), 4);
    EXPECT_EQ(m_main.frames, 1);
    EXPECT_EQ(m_main.log.back(), "finalize");
}

TEST_F(ApplicationTest, TheWindowsClassAsksForNoDoubleClicks) {
    std::vector<UINT> messages;
    m_main.onInitialize = [&messages](ScriptedMain& app) {
        const Uint32 id = SDL_GetWindowID(win32::NativeWindow(app.m_hwnd));
        for (Uint8 clicks : {1, 2}) {
            for (Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
                SDL_Event event = {};
                event.type = type;
                event.button.windowID = id;
                event.button.button = SDL_BUTTON_LEFT;
                event.button.clicks = clicks;
                SDL_PushEvent(&event);
            }
        }
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            messages.push_back(message.message);
    };
    m_main.initializeResult = false;
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(messages,
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}));
}

}  // namespace
