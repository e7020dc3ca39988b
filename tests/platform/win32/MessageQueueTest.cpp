// The process's message queue: first in, first out; looking without removing; the quit
// message; delivery to the class procedure.

#include <gtest/gtest.h>

#include "RecordingWindow.h"

namespace {

using win32test::ReceivedIds;
using win32test::ReceivedMessages;
using win32test::RecordingWindowTest;

constexpr UINT kFirst = 0x0400 + 1;
constexpr UINT kSecond = 0x0400 + 2;

TEST_F(RecordingWindowTest, PeekWithoutRemovalLeavesTheMessageWaiting) {
    const HWND window = CreateRecordingWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(PostMessageA(window, kFirst, 11, 12));
    MSG message = {};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
        EXPECT_EQ(message.hwnd, window);
        EXPECT_EQ(message.message, kFirst);
        EXPECT_EQ(message.wParam, 11u);
        EXPECT_EQ(message.lParam, 12);
    }
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
}

TEST_F(RecordingWindowTest, MessagesComeOutInTheOrderTheyWentIn) {
    const HWND window = CreateRecordingWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(PostMessageA(window, kFirst, 0, 0));
    ASSERT_TRUE(PostMessageA(nullptr, kSecond, 0, 0));  // a thread message
    PostQuitMessage(0);
    ASSERT_TRUE(PostMessageA(window, kSecond, 0, 0));
    MSG message;
    EXPECT_EQ(GetMessageA(&message, nullptr, 0, 0), TRUE);
    EXPECT_EQ(message.message, kFirst);
    EXPECT_EQ(GetMessageA(&message, nullptr, 0, 0), TRUE);
    EXPECT_EQ(message.message, kSecond);
    EXPECT_EQ(message.hwnd, nullptr);
    EXPECT_EQ(GetMessageA(&message, nullptr, 0, 0), FALSE);
    EXPECT_EQ(message.message, WM_QUIT);
    EXPECT_EQ(GetMessageA(&message, nullptr, 0, 0), TRUE);
    EXPECT_EQ(message.message, kSecond);
    EXPECT_EQ(message.hwnd, window);
}

TEST_F(RecordingWindowTest, QuitMessageCarriesItsCodeAndIsSeenByPeek) {
    PostQuitMessage(7);
    MSG message = {};
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(message.message, WM_QUIT);
    EXPECT_EQ(GetMessageA(&message, nullptr, 0, 0), FALSE);
    EXPECT_EQ(message.message, WM_QUIT);
    EXPECT_EQ(message.wParam, 7u);

    PostQuitMessage(-1);
    EXPECT_EQ(GetMessageA(&message, nullptr, 0, 0), FALSE);
    EXPECT_EQ(static_cast<int>(message.wParam), -1);
}

TEST_F(RecordingWindowTest, DispatchCallsTheClassProcedureOfTheMessagesWindow) {
    const HWND window = CreateRecordingWindow();
    ASSERT_NE(window, nullptr);
    ReceivedMessages().clear();
    ASSERT_TRUE(PostMessageA(window, kFirst, 5, 6));
    MSG message;
    ASSERT_EQ(GetMessageA(&message, nullptr, 0, 0), TRUE);
    EXPECT_TRUE(ReceivedMessages().empty());  // taking a message does not deliver it
    EXPECT_FALSE(TranslateMessage(&message));
    EXPECT_TRUE(ReceivedMessages().empty());
    DispatchMessageA(&message);
    ASSERT_EQ(ReceivedMessages().size(), 1u);
    EXPECT_EQ(ReceivedMessages()[0].window, window);
    EXPECT_EQ(ReceivedMessages()[0].message, kFirst);
    EXPECT_EQ(ReceivedMessages()[0].wParam, 5u);
    EXPECT_EQ(ReceivedMessages()[0].lParam, 6);
}

TEST_F(RecordingWindowTest, ThreadMessagesReachNoProcedure) {
    const HWND window = CreateRecordingWindow();
    ASSERT_NE(window, nullptr);
    ReceivedMessages().clear();
    ASSERT_TRUE(PostMessageA(nullptr, kFirst, 0, 0));
    MSG message;
    ASSERT_EQ(GetMessageA(&message, nullptr, 0, 0), TRUE);
    EXPECT_EQ(DispatchMessageA(&message), 0);
    EXPECT_EQ(DispatchMessageA(nullptr), 0);
    EXPECT_TRUE(ReceivedMessages().empty());
}

TEST_F(RecordingWindowTest, SendMessageCallsTheProcedureAtOnce) {
    const HWND window = CreateRecordingWindow();
    ASSERT_NE(window, nullptr);
    ReceivedMessages().clear();
    SendMessageA(window, kFirst, 1, 2);
    EXPECT_EQ(ReceivedIds(), (std::vector<UINT>{kFirst}));
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
}

TEST_F(RecordingWindowTest, FiltersSelectByWindowAndRange) {
    const HWND first = CreateRecordingWindow();
    const HWND second = CreateRecordingWindow();
    ASSERT_TRUE(PostMessageA(first, kFirst, 0, 0));
    ASSERT_TRUE(PostMessageA(second, kSecond, 0, 0));
    ASSERT_TRUE(PostMessageA(nullptr, kFirst, 0, 0));
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, second, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(message.hwnd, second);
    ASSERT_TRUE(PeekMessageA(&message, nullptr, kSecond, kSecond, PM_NOREMOVE));
    EXPECT_EQ(message.message, kSecond);
    ASSERT_TRUE(PeekMessageA(&message, reinterpret_cast<HWND>(-1), 0, 0, PM_REMOVE));
    EXPECT_EQ(message.hwnd, nullptr);
    EXPECT_FALSE(PeekMessageA(&message, reinterpret_cast<HWND>(-1), 0, 0, PM_NOREMOVE));
    // The quit message passes any range.
    PostQuitMessage(3);
    ASSERT_TRUE(PeekMessageA(&message, nullptr, kSecond + 1, kSecond + 5, PM_NOREMOVE));
    EXPECT_EQ(message.message, WM_QUIT);
}

TEST_F(RecordingWindowTest, PostingToAHandleThatNamesNoWindowFails) {
    EXPECT_FALSE(PostMessageA(reinterpret_cast<HWND>(0x1234), kFirst, 0, 0));
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(GetMessageA(nullptr, nullptr, 0, 0), -1);
}

}  // namespace
