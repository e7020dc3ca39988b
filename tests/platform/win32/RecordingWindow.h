// A window class whose procedure records every message it gets, and a fixture that owns a
// class of it and the windows a test creates, leaving an empty queue behind.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "platform/win32/win32.h"

namespace win32test {

struct ReceivedMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// What the recording procedure got, oldest first.
std::vector<ReceivedMessage>& ReceivedMessages();
// The messages alone, in order, leaving out those in ignored.
std::vector<UINT> ReceivedIds(const std::vector<UINT>& ignored = {});

// Records the message, then answers WM_CREATE with g_createResult (keeping a copy of its
// record in g_lastCreate) and hands everything else to DefWindowProcA.
LRESULT RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
extern LRESULT g_createResult;
extern CREATESTRUCTA g_lastCreate;

// Removes every waiting message.
void DrainQueue();

class RecordingWindowTest : public ::testing::Test {
protected:
    static constexpr const char* kClassName = "win32test.recording";

    void SetUp() override;
    void TearDown() override;

    // A window of the recording class; the fixture destroys what is left of it.
    HWND CreateRecordingWindow(DWORD style = WS_OVERLAPPEDWINDOW, const char* title = "",
                               int x = 100, int y = 50, int width = 320, int height = 240);

    // Re-registers the recording class with another style (e.g. CS_DBLCLKS).
    void SetClassStyle(UINT style);

    std::vector<HWND> m_windows;
};

}  // namespace win32test
