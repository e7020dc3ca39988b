// The window procedure: the orbit drag as a table of message sequences, the quit on
// destruction, and the default processing of everything else.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "RecordingWindow.h"
#include "app/OrbitInput.h"
#include "app/WindowProc.h"

namespace {

std::uint32_t Bits(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

TEST(OrbitConstantsTest, AreTheGivenBitPatterns) {
    EXPECT_EQ(Bits(kOrbitTurnRate), 0x3C23D70Au);
    EXPECT_EQ(Bits(kOrbitPitchMin), 0x3E32B8C3u);
    EXPECT_EQ(Bits(kOrbitPitchMax), 0x3FC6D3F2u);
    EXPECT_EQ(Bits(kOrbitPitchInitial), 0x3E860A92u);
    EXPECT_FLOAT_EQ(kOrbitTurnRate, 0.01f);
    EXPECT_FLOAT_EQ(kOrbitPitchMin, 0.17453294f);
    EXPECT_FLOAT_EQ(kOrbitPitchMax, 1.553343f);
    EXPECT_FLOAT_EQ(kOrbitPitchInitial, 0.2617994f);
    // The lowest pitch is one unit in the last place above the float nearest to 10°.
    EXPECT_EQ(Bits(kOrbitPitchMin) - 1, Bits(static_cast<float>(10.0 * 3.14159265358979 / 180.0)));
}

LRESULT OrbitWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return WindowProc(window, message, wParam, lParam);
}

class WindowProcTest : public ::testing::Test {
protected:
    void SetUp() override {
        win32test::DrainQueue();
        g_orbitYaw = 0.0f;
        g_orbitPitch = kOrbitPitchInitial;
        g_dragging = false;
        g_lastMouseX = 0;
        g_lastMouseY = 0;
        WNDCLASSEXA windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = OrbitWindowProcedure;
        windowClass.lpszClassName = "windowProcTest";
        ASSERT_NE(RegisterClassExA(&windowClass), 0);
        m_window = CreateWindowExA(0, "windowProcTest", "", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200,
                                   nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(m_window, nullptr);
    }
    void TearDown() override {
        ReleaseCapture();
        if (IsWindow(m_window)) DestroyWindow(m_window);
        UnregisterClassA("windowProcTest", nullptr);
        win32test::DrainQueue();
    }

    LRESULT Send(UINT message, int x, int y) {
        return WindowProc(m_window, message, 0,
                          MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
    }

    HWND m_window = nullptr;
};

struct Input {
    UINT message;
    int x, y;
};

// Consecutive moves of one pixel each from (x, y).
std::vector<Input> Steps(int x, int y, int dx, int dy, int count) {
    std::vector<Input> inputs;
    for (int i = 1; i <= count; ++i) inputs.push_back({WM_MOUSEMOVE, x + dx * i, y + dy * i});
    return inputs;
}

std::vector<Input> Join(std::vector<Input> a, const std::vector<Input>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The state after a sequence of messages.
struct Outcome {
    float yaw;
    float yawTolerance;  // 0: exactly
    float pitch;         // exactly
    bool dragging;
    int lastX, lastY;
};

struct DragCase {
    const char* what;
    std::vector<Input> inputs;
    Outcome outcome;
};

const float kAfterMaxOneBack = kOrbitPitchMax + static_cast<float>(-1) * kOrbitTurnRate;
const float kAfterMinOneBack = kOrbitPitchMin + static_cast<float>(1) * kOrbitTurnRate;
const float kStart = kOrbitPitchInitial;

TEST_F(WindowProcTest, DragUpdatesTheOrbitAngles) {
    // clang-format off
    const DragCase cases[] = {
        {"100 px right in one move",
         {{WM_LBUTTONDOWN, 10, 50}, {WM_MOUSEMOVE, 110, 50}},
         {1.0f, 1e-6f, kStart, true, 110, 50}},
        {"100 px right in 100 moves",
         Join({{WM_LBUTTONDOWN, 10, 50}}, Steps(10, 50, 1, 0, 100)),
         {1.0f, 1e-5f, kStart, true, 110, 50}},
        {"far down stops at the highest pitch",
         {{WM_LBUTTONDOWN, 0, 0}, {WM_MOUSEMOVE, 0, 1000}},
         {0.0f, 0.0f, kOrbitPitchMax, true, 0, 1000}},
        {"one pixel back up from the highest pitch lowers it at once",
         {{WM_LBUTTONDOWN, 0, 0}, {WM_MOUSEMOVE, 0, 1000}, {WM_MOUSEMOVE, 0, 999}},
         {0.0f, 0.0f, kAfterMaxOneBack, true, 0, 999}},
        {"far up stops at the lowest pitch",
         {{WM_LBUTTONDOWN, 0, 0}, {WM_MOUSEMOVE, 0, -1000}},
         {0.0f, 0.0f, kOrbitPitchMin, true, 0, -1000}},
        {"one pixel back down from the lowest pitch raises it at once",
         {{WM_LBUTTONDOWN, 0, 0}, {WM_MOUSEMOVE, 0, -1000}, {WM_MOUSEMOVE, 0, -999}},
         {0.0f, 0.0f, kAfterMinOneBack, true, 0, -999}},
        {"moves with the button up do nothing",
         {{WM_MOUSEMOVE, 50, 60}, {WM_MOUSEMOVE, 80, 90}},
         {0.0f, 0.0f, kStart, false, 0, 0}},
        {"release without a press clears the flag",
         {{WM_LBUTTONUP, 5, 5}, {WM_MOUSEMOVE, 80, 90}},
         {0.0f, 0.0f, kStart, false, 0, 0}},
        {"moves after the release do nothing",
         {{WM_LBUTTONDOWN, 0, 0}, {WM_MOUSEMOVE, 20, 0}, {WM_LBUTTONUP, 20, 0},
          {WM_MOUSEMOVE, 90, 0}},
         {0.2f, 1e-6f, kStart, false, 20, 0}},
        {"captured position left of the window is negative",
         {{WM_LBUTTONDOWN, 10, 10}, {WM_MOUSEMOVE, -5, 10}},
         {-0.15f, 1e-6f, kStart, true, -5, 10}},
        {"a press while dragging records the position again",
         {{WM_LBUTTONDOWN, 0, 0}, {WM_LBUTTONDOWN, 50, 0}, {WM_MOUSEMOVE, 60, 0}},
         {0.1f, 1e-6f, kStart, true, 60, 0}},
    };
    // clang-format on
    for (const DragCase& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();  // each case starts afresh
        SetUp();
        for (const Input& input : c.inputs) EXPECT_EQ(Send(input.message, input.x, input.y), 0);
        const Outcome& o = c.outcome;
        if (o.yawTolerance == 0.0f)
            EXPECT_EQ(g_orbitYaw, o.yaw);
        else
            EXPECT_NEAR(g_orbitYaw, o.yaw, o.yawTolerance);
        EXPECT_EQ(g_orbitPitch, o.pitch);
        EXPECT_EQ(g_dragging, o.dragging);
        EXPECT_EQ(g_lastMouseX, o.lastX);
        EXPECT_EQ(g_lastMouseY, o.lastY);
        // The capture is held exactly while dragging.
        EXPECT_EQ(GetCapture(), o.dragging ? m_window : nullptr);
    }
}

TEST_F(WindowProcTest, ReleaseWithoutAPressStillReleasesTheCapture) {
    SetCapture(m_window);
    g_dragging = true;  // a drag whose press went elsewhere
    EXPECT_EQ(Send(WM_LBUTTONUP, 0, 0), 0);
    EXPECT_FALSE(g_dragging);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(WindowProcTest, PitchStaysWithinTheLimitsAcrossALongDrag) {
    Send(WM_LBUTTONDOWN, 0, 0);
    int y = 0;
    for (int step = 0; step < 400; ++step) {
        y += (step / 50) % 2 == 0 ? 7 : -9;
        Send(WM_MOUSEMOVE, 0, y);
        ASSERT_GE(g_orbitPitch, kOrbitPitchMin);
        ASSERT_LE(g_orbitPitch, kOrbitPitchMax);
    }
}

TEST_F(WindowProcTest, DestructionPostsTheQuitMessageWithZero) {
    EXPECT_EQ(WindowProc(m_window, WM_DESTROY, 0, 0), 0);
    MSG message;
    ASSERT_EQ(GetMessageA(&message, nullptr, 0, 0), FALSE);
    EXPECT_EQ(message.message, WM_QUIT);
    EXPECT_EQ(message.wParam, 0u);
}

TEST_F(WindowProcTest, OtherMessagesGetTheDefaultProcessing) {
    EXPECT_EQ(WindowProc(m_window, WM_KEYDOWN, 'A', 0), 0);
    EXPECT_EQ(WindowProc(m_window, WM_PAINT, 0, 0), 0);
    EXPECT_EQ(g_orbitYaw, 0.0f);
    EXPECT_TRUE(IsWindow(m_window));
    // Closing destroys the window, whose destruction posts the quit message.
    EXPECT_EQ(WindowProc(m_window, WM_CLOSE, 0, 0), 0);
    EXPECT_FALSE(IsWindow(m_window));
    MSG message;
    ASSERT_EQ(GetMessageA(&message, nullptr, 0, 0), FALSE);
    EXPECT_EQ(message.wParam, 0u);
}

}  // namespace
