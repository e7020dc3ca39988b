// The choice of SDL's video driver, and what a process without one gets; and the end of a
// waiting loop by a signal. Each runs the probe program as a fresh process.

#include <signal.h>

#include <gtest/gtest.h>

#include <string>

#include "ChildProcess.h"
#include "MessageBoxLog.h"

namespace {

using win32test::ChildResult;
using win32test::EnvironmentChange;
using win32test::RunChild;

constexpr int kTimeoutSeconds = 60;

ChildResult RunProbe(const char* mode, std::vector<EnvironmentChange> env) {
    env.push_back({"DFDEMO_MODULE_DIR", std::nullopt});
    return RunChild({DF_TEST_WIN32_PROBE, mode}, env, kTimeoutSeconds);
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(VideoDriverTest, WithoutADisplayTheOffscreenDriverIsChosen) {
    const ChildResult result = RunProbe("video", {{"DISPLAY", std::nullopt},
                                                  {"WAYLAND_DISPLAY", std::nullopt},
                                                  {"SDL_VIDEODRIVER", std::nullopt}});
    ASSERT_TRUE(result.exited) << result.err;
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(Contains(result.out, "ok=1 headless=1 driver=offscreen")) << result.out;
    EXPECT_TRUE(Contains(result.out, "registered=1 window=1")) << result.out;
    const auto boxes = win32test::ParseMessageBoxes(result.err);
    ASSERT_EQ(boxes.size(), 1u) << result.err;
    EXPECT_EQ(boxes[0], (win32test::LoggedMessageBox{"Error", "probe text"}));
}

TEST(VideoDriverTest, AnUnreachableDisplayFallsBackToOffscreen) {
    const ChildResult result = RunProbe("video", {{"DISPLAY", ":4093"},
                                                  {"WAYLAND_DISPLAY", "dfwin32-test-none"},
                                                  {"SDL_VIDEODRIVER", std::nullopt}});
    ASSERT_TRUE(result.exited) << result.err;
    EXPECT_TRUE(Contains(result.out, "ok=1 headless=1 driver=offscreen")) << result.out;
    EXPECT_TRUE(Contains(result.out, "window=1")) << result.out;
}

TEST(VideoDriverTest, ADriverTheUserNamesIsHonouredEvenWhenItCannotStart) {
    const ChildResult result = RunProbe(
        "video", {{"DISPLAY", std::nullopt}, {"SDL_VIDEODRIVER", "dfwin32-no-such-driver"}});
    ASSERT_TRUE(result.exited) << result.err;
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(Contains(result.out, "ok=0 headless=0 driver=none screen=0x0")) << result.out;
    // Classes need no SDL; windows do.
    EXPECT_TRUE(Contains(result.out, "registered=1 window=0")) << result.out;
    // Without any video the box still goes to standard error, and returns.
    const auto boxes = win32test::ParseMessageBoxes(result.err);
    ASSERT_EQ(boxes.size(), 1u) << result.err;
    EXPECT_EQ(boxes[0].text, "probe text");
}

TEST(VideoDriverTest, RegisteringAClassStartsNoVideo) {
    const ChildResult result = RunProbe("register", {{"DISPLAY", std::nullopt}});
    ASSERT_TRUE(result.exited);
    EXPECT_TRUE(Contains(result.out, "registered=1 video=0")) << result.out;
}

TEST(VideoDriverTest, GetMessageWithNothingThatCouldArriveFailsInsteadOfHanging) {
    const ChildResult result = RunProbe("empty-get", {{"DISPLAY", std::nullopt}});
    ASSERT_TRUE(result.exited) << "timed out: " << result.timedOut;
    EXPECT_TRUE(Contains(result.out, "get=-1")) << result.out;
}

TEST(VideoDriverTest, SigtermWakesAWaitingLoopThroughWmClose) {
    win32test::ChildProcess child;
    ASSERT_TRUE(child.Start({DF_TEST_WIN32_PROBE, "wait-loop"},
                            {{"DISPLAY", std::nullopt}, {"SDL_VIDEODRIVER", std::nullopt}}));
    ASSERT_TRUE(child.WaitForOutput("ready\n", kTimeoutSeconds)) << child.err();
    ASSERT_TRUE(child.Signal(SIGTERM));
    const ChildResult result = child.Finish(kTimeoutSeconds);
    ASSERT_TRUE(result.exited) << "signal " << result.signal << "\n" << result.err;
    EXPECT_EQ(result.exitCode, 0);
    // The window was closed (and so destroyed) by the default processing of WM_CLOSE.
    EXPECT_TRUE(Contains(result.out, "finalised code=0 get=0 window=0")) << result.out;
}

}  // namespace
