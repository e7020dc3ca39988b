// The message loop's passes, run with a scripted application object: one message per pass,
// frames only when the queue is empty, the end through the window's destruction.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingWindow.h"
#include "ScriptedMain.h"
#include "app/MessageLoop.h"
#include "app/OrbitInput.h"
#include "app/WindowProc.h"

namespace {

using apptest::ScriptedMain;

constexpr UINT kUserMessage = 0x0400;

// What the loop did, in order: "frame N" and the messages the window procedure got.
std::vector<std::string> g_events;

LRESULT LoggingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) g_events.push_back("WM_DESTROY");
    if (message >= kUserMessage) g_events.push_back("message " + std::to_string(wParam));
    return WindowProc(window, message, wParam, lParam);
}

class MessageLoopTest : public ::testing::Test {
protected:
    void SetUp() override {
        win32test::DrainQueue();
        g_events.clear();
        WNDCLASSEXA windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_CLASSDC;
        windowClass.lpfnWndProc = LoggingWindowProc;
        windowClass.lpszClassName = "messageLoopTest";
        ASSERT_NE(RegisterClassExA(&windowClass), 0);
        m_window = CreateWindowExA(0, "messageLoopTest", "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                   nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(m_window, nullptr);
        m_main.m_hwnd = m_window;
        m_main.onFrame = [](ScriptedMain&, int frame) {
            g_events.push_back("frame " + std::to_string(frame));
            return true;
        };
    }
    void TearDown() override {
        if (IsWindow(m_window)) DestroyWindow(m_window);
        UnregisterClassA("messageLoopTest", nullptr);
        win32test::DrainQueue();
    }

    // Runs passes until the loop ends or count passes have run; true when it ended.
    bool RunPasses(int count) {
        for (int i = 0; i < count; ++i)
            if (!RunMessageLoopPass(m_main, m_window, m_message)) return true;
        return false;
    }

    ScriptedMain m_main;
    HWND m_window = nullptr;
    MSG m_message = {};
};

TEST_F(MessageLoopTest, EachPassHandlesOneMessageAndFramesWaitForAnEmptyQueue) {
    for (WPARAM i = 1; i <= 3; ++i) PostMessageA(m_window, kUserMessage, i, 0);
    m_main.onFrame = [](ScriptedMain& app, int frame) {
        g_events.push_back("frame " + std::to_string(frame));
        // Messages posted during a frame postpone the next one until they are handled.
        if (frame == 1) {
            PostMessageA(app.m_hwnd, kUserMessage, 4, 0);
            PostMessageA(nullptr, kUserMessage, 5, 0);  // a thread message: no procedure
            PostMessageA(app.m_hwnd, kUserMessage, 6, 0);
        }
        return true;
    };
    const std::vector<std::vector<std::string>> afterEachPass = {
        {"message 1"},
        {"message 1", "message 2"},
        {"message 1", "message 2", "message 3"},
        {"message 1", "message 2", "message 3", "frame 1"},
        {"message 1", "message 2", "message 3", "frame 1", "message 4"},
        {"message 1", "message 2", "message 3", "frame 1", "message 4"},
        {"message 1", "message 2", "message 3", "frame 1", "message 4", "message 6"},
        {"message 1", "message 2", "message 3", "frame 1", "message 4", "message 6", "frame 2"},
        {"message 1", "message 2", "message 3", "frame 1", "message 4", "message 6", "frame 2",
         "frame 3"},
    };
    for (size_t pass = 0; pass < afterEachPass.size(); ++pass) {
        ASSERT_TRUE(RunMessageLoopPass(m_main, m_window, m_message)) << "pass " << pass;
        EXPECT_EQ(g_events, afterEachPass[pass]) << "pass " << pass;
    }
}

TEST_F(MessageLoopTest, AFailedFrameDestroysTheWindowAndTheLoopEndsWithZero) {
    m_main.onFrame = [](ScriptedMain&, int frame) {
        g_events.push_back("frame " + std::to_string(frame));
        return frame < 3;
    };
    ASSERT_FALSE(RunPasses(3));
    // WM_DESTROY reached the procedure within the pass that destroyed the window.
    EXPECT_EQ(g_events, (std::vector<std::string>{"frame 1", "frame 2", "frame 3", "WM_DESTROY"}));
    EXPECT_FALSE(IsWindow(m_window));
    // The next pass takes the quit message the procedure posted.
    EXPECT_TRUE(RunPasses(1));
    EXPECT_EQ(m_message.message, WM_QUIT);
    EXPECT_EQ(m_message.wParam, 0u);
    EXPECT_EQ(m_main.frames, 3);
}

TEST_F(MessageLoopTest, TheQuitCodeIsLeftInTheMessageRecord) {
    PostQuitMessage(9);
    EXPECT_TRUE(RunPasses(1));
    EXPECT_EQ(m_message.wParam, 9u);
    EXPECT_EQ(m_main.frames, 0);
}

TEST_F(MessageLoopTest, InputReachesTheWindowProcedureBetweenFrames) {
    m_main.onFrame = [](ScriptedMain& app, int frame) {
        g_events.push_back("frame " + std::to_string(frame));
        if (frame == 1) {
            PostMessageA(app.m_hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
            PostMessageA(app.m_hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(60, 10));
        }
        return true;
    };
    g_orbitYaw = 0.0f;
    g_dragging = false;
    ASSERT_FALSE(RunPasses(3));
    EXPECT_NEAR(g_orbitYaw, 0.5f, 1e-6f);
    EXPECT_EQ(m_main.frames, 1);
    ASSERT_FALSE(RunPasses(1));
    EXPECT_EQ(m_main.frames, 2);
    PostMessageA(m_window, WM_LBUTTONUP, 0, MAKELPARAM(60, 10));
    ASSERT_FALSE(RunPasses(1));
    EXPECT_FALSE(g_dragging);
}

}  // namespace
