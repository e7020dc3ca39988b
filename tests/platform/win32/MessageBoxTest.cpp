// Message boxes without a display: a fixed block on standard error, returning at once.

#include <gtest/gtest.h>

#include <string>

#include "MessageBoxLog.h"
#include "platform/win32/native_window.h"
#include "platform/win32/win32.h"

namespace {

std::string BoxOutput(HWND owner, const char* text, const char* caption) {
    ::testing::internal::CaptureStderr();
    const int result = MessageBoxA(owner, text, caption, MB_OK);
    const std::string output = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(result, IDOK);
    return output;
}

TEST(MessageBoxTest, HeadlessBoxIsWrittenToStandardErrorExactly) {
    ASSERT_TRUE(win32::EnsureVideo());
    ASSERT_TRUE(win32::IsHeadless());
    EXPECT_EQ(BoxOutput(nullptr, "Something failed.", "Caption"),
              "[MessageBox] Caption\nSomething failed.\n[/MessageBox]\n");
}

TEST(MessageBoxTest, NullCaptionShowsTheDefaultCaption) {
    EXPECT_EQ(BoxOutput(nullptr, "text", nullptr), "[MessageBox] Error\ntext\n[/MessageBox]\n");
}

TEST(MessageBoxTest, TextsAreDecodedFromCodePage932) {
    // "エラー" as caption, "初期化" with a line break in the text.
    const std::string output =
        BoxOutput(nullptr, "\x8F\x89\x8A\xFA\x89\xBB\nline 2", "\x83\x47\x83\x89\x81\x5B");
    const auto boxes = win32test::ParseMessageBoxes(output);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "\xE3\x82\xA8\xE3\x83\xA9\xE3\x83\xBC");
    EXPECT_EQ(boxes[0].text, "\xE5\x88\x9D\xE6\x9C\x9F\xE5\x8C\x96\nline 2");
}

TEST(MessageBoxLogTest, ReadsEveryCompleteBlockInOrder) {
    const auto boxes = win32test::ParseMessageBoxes(
        "noise\n[MessageBox] A\none\n[/MessageBox]\nmore noise\n[MessageBox] B\ntwo\nlines\n"
        "[/MessageBox]\n[MessageBox] C\nunfinished");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], (win32test::LoggedMessageBox{"A", "one"}));
    EXPECT_EQ(boxes[1], (win32test::LoggedMessageBox{"B", "two\nlines"}));
}

}  // namespace
