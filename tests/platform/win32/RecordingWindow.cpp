#include "RecordingWindow.h"

#include <algorithm>

#include "platform/win32/native_window.h"

namespace win32test {

LRESULT g_createResult = 0;
CREATESTRUCTA g_lastCreate = {};

std::vector<ReceivedMessage>& ReceivedMessages() {
    static std::vector<ReceivedMessage> messages;
    return messages;
}

std::vector<UINT> ReceivedIds(const std::vector<UINT>& ignored) {
    std::vector<UINT> ids;
    for (const auto& m : ReceivedMessages())
        if (std::find(ignored.begin(), ignored.end(), m.message) == ignored.end())
            ids.push_back(m.message);
    return ids;
}

LRESULT RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ReceivedMessages().push_back({window, message, wParam, lParam});
    if (message == WM_CREATE) {
        g_lastCreate = *reinterpret_cast<const CREATESTRUCTA*>(lParam);
        return g_createResult;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void DrainQueue() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

namespace {

bool RegisterRecordingClass(const char* name, UINT style) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = RecordingProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    return RegisterClassExA(&windowClass) != 0;
}

}  // namespace

void RecordingWindowTest::SetUp() {
    // Tests push SDL's events, which needs SDL running even before a window exists.
    ASSERT_TRUE(win32::EnsureVideo());
    DrainQueue();
    ReceivedMessages().clear();
    g_createResult = 0;
    ASSERT_TRUE(RegisterRecordingClass(kClassName, 0));
}

void RecordingWindowTest::TearDown() {
    if (GetCapture() != nullptr) ReleaseCapture();
    for (HWND window : m_windows)
        if (IsWindow(window)) DestroyWindow(window);
    EXPECT_TRUE(UnregisterClassA(kClassName, GetModuleHandleA(nullptr)));
    DrainQueue();
    ReceivedMessages().clear();
}

HWND RecordingWindowTest::CreateRecordingWindow(DWORD style, const char* title, int x, int y,
                                                int width, int height) {
    const HWND window = CreateWindowExA(0, kClassName, title, style, x, y, width, height, nullptr,
                                        nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window != nullptr) m_windows.push_back(window);
    return window;
}

void RecordingWindowTest::SetClassStyle(UINT style) {
    ASSERT_TRUE(UnregisterClassA(kClassName, GetModuleHandleA(nullptr)));
    ASSERT_TRUE(RegisterRecordingClass(kClassName, style));
}

}  // namespace win32test
