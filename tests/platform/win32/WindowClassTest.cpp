// Window class registration: one class per name, checked records, no removal while in use.

#include <gtest/gtest.h>

#include "platform/win32/win32.h"

namespace {

LRESULT Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

WNDCLASSEXA ClassRecord(const char* name) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_CLASSDC;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = name;
    return windowClass;
}

TEST(WindowClassTest, SecondRegistrationOfANameFails) {
    const WNDCLASSEXA record = ClassRecord("classTest.twice");
    const ATOM atom = RegisterClassExA(&record);
    EXPECT_NE(atom, 0);
    EXPECT_EQ(RegisterClassExA(&record), 0);
    // Class names know no case.
    const WNDCLASSEXA upper = ClassRecord("CLASSTEST.TWICE");
    EXPECT_EQ(RegisterClassExA(&upper), 0);
    EXPECT_TRUE(UnregisterClassA("classTest.twice", nullptr));
}

TEST(WindowClassTest, UnregisteringFreesTheNameForANewRegistration) {
    const WNDCLASSEXA record = ClassRecord("classTest.again");
    ASSERT_NE(RegisterClassExA(&record), 0);
    EXPECT_TRUE(UnregisterClassA("classTest.again", GetModuleHandleA(nullptr)));
    EXPECT_FALSE(UnregisterClassA("classTest.again", GetModuleHandleA(nullptr)));
    EXPECT_NE(RegisterClassExA(&record), 0);
    EXPECT_TRUE(UnregisterClassA("classTest.again", GetModuleHandleA(nullptr)));
}

TEST(WindowClassTest, RejectsRecordsWithoutSizeNameOrProcedure) {
    struct Case {
        const char* what;
        UINT cbSize;
        const char* name;
        bool procedure;
    };
    const Case cases[] = {
        {"the 32-bit size of the record", 48, "classTest.bad", true},
        {"no size", 0, "classTest.bad", true},
        {"no name", sizeof(WNDCLASSEXA), nullptr, true},
        {"an empty name", sizeof(WNDCLASSEXA), "", true},
        {"no procedure", sizeof(WNDCLASSEXA), "classTest.bad", false},
    };
    for (const Case& c : cases) {
        WNDCLASSEXA record = ClassRecord(c.name);
        record.cbSize = c.cbSize;
        if (!c.procedure) record.lpfnWndProc = nullptr;
        EXPECT_EQ(RegisterClassExA(&record), 0) << c.what;
    }
    EXPECT_EQ(RegisterClassExA(nullptr), 0);
    EXPECT_FALSE(UnregisterClassA("classTest.bad", nullptr));
}

TEST(WindowClassTest, StaysWhileAWindowOfItLives) {
    const WNDCLASSEXA record = ClassRecord("classTest.inUse");
    ASSERT_NE(RegisterClassExA(&record), 0);
    const HWND window = CreateWindowExA(0, "classTest.inUse", "", WS_OVERLAPPEDWINDOW, 0, 0, 100,
                                        100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(UnregisterClassA("classTest.inUse", nullptr));
    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_TRUE(UnregisterClassA("classTest.inUse", nullptr));
}

}  // namespace
