// Mouse capture (headless: recorded only).

#include <gtest/gtest.h>

#include "RecordingWindow.h"

namespace {

using win32test::RecordingWindowTest;

TEST_F(RecordingWindowTest, CaptureIsHeldUntilReleasedAndReportsThePreviousHolder) {
    const HWND first = CreateRecordingWindow();
    const HWND second = CreateRecordingWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(SetCapture(first), nullptr);
    EXPECT_EQ(GetCapture(), first);
    EXPECT_EQ(SetCapture(second), first);
    EXPECT_EQ(GetCapture(), second);
    EXPECT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(ReleaseCapture());  // releasing with nothing held is harmless
}

TEST_F(RecordingWindowTest, CaptureEndsWithItsWindowAndNeedsAWindow) {
    const HWND window = CreateRecordingWindow();
    ASSERT_NE(window, nullptr);
    SetCapture(window);
    DestroyWindow(window);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(SetCapture(window), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
