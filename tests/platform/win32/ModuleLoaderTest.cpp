// Run-time module loading: Windows module names found as shared objects in the module
// directory.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "ScopedEnvironment.h"
#include "TemporaryDirectory.h"
#include "platform/win32/win32.h"

namespace {

using win32test::ScopedEnvironment;

using AnswerFunction = int (*)();

int CallAnswer(HMODULE module) {
    const FARPROC entry = GetProcAddress(module, "TestModuleAnswer");
    if (entry == nullptr) return -1;
    return reinterpret_cast<AnswerFunction>(reinterpret_cast<void (*)()>(entry))();
}

using EmptyDirectory = win32test::TemporaryDirectory;

TEST(ModuleLoaderTest, FindsAWindowsNamedModuleBesideTheProgram) {
    ScopedEnvironment noDirectory("DFDEMO_MODULE_DIR", nullptr);
    for (const char* name : {"testmodule.dll", "TestModule.DLL", "testmodule"}) {
        const HMODULE module = LoadLibraryA(name);
        ASSERT_NE(module, nullptr) << name;
        EXPECT_EQ(CallAnswer(module), 42) << name;
        EXPECT_EQ(GetProcAddress(module, "NoSuchEntry"), nullptr);
        EXPECT_TRUE(FreeLibrary(module));
    }
}

TEST(ModuleLoaderTest, MissingModuleIsANullResult) {
    EmptyDirectory empty;
    ASSERT_FALSE(empty.path().empty());
    ScopedEnvironment directory("DFDEMO_MODULE_DIR", empty.path().c_str());
    EXPECT_EQ(LoadLibraryA("testmodule.dll"), nullptr);
    EXPECT_EQ(LoadLibraryA("d3d9.dll"), nullptr);
    EXPECT_EQ(LoadLibraryA(""), nullptr);
    EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
}

TEST(ModuleLoaderTest, ModuleDirectoryComesFromTheEnvironmentWhenSet) {
    ScopedEnvironment directory("DFDEMO_MODULE_DIR", DF_TEST_MODULE_DIR);
    const HMODULE module = LoadLibraryA("testmodule.dll");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(CallAnswer(module), 42);
    EXPECT_TRUE(FreeLibrary(module));
}

TEST(ModuleLoaderTest, NameWithASlashIsUsedAsGiven) {
    EmptyDirectory empty;
    ScopedEnvironment directory("DFDEMO_MODULE_DIR", empty.path().c_str());
    const HMODULE module = LoadLibraryA(DF_TEST_MODULE_DIR "/testmodule.so");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(CallAnswer(module), 42);
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_EQ(LoadLibraryA(DF_TEST_MODULE_DIR "/testmodule.dll"), nullptr);
}

TEST(ModuleLoaderTest, EachLoadIsFreedOnceAndUnknownHandlesAreRefused) {
    const HMODULE first = LoadLibraryA("testmodule.dll");
    const HMODULE second = LoadLibraryA("testmodule.dll");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(GetModuleHandleA("testmodule.dll"), first);
    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_EQ(CallAnswer(second), 42);  // still loaded: one load is left
    EXPECT_TRUE(FreeLibrary(second));
    EXPECT_FALSE(FreeLibrary(second));
    EXPECT_EQ(GetProcAddress(second, "TestModuleAnswer"), nullptr);
    EXPECT_FALSE(FreeLibrary(reinterpret_cast<HMODULE>(0x1234)));
    EXPECT_EQ(GetProcAddress(nullptr, "TestModuleAnswer"), nullptr);
}

TEST(ModuleLoaderTest, ProgramHandleAndArrowCursorAreFixedAndNonNull) {
    const HMODULE program = GetModuleHandleA(nullptr);
    EXPECT_NE(program, nullptr);
    EXPECT_EQ(GetModuleHandleA(nullptr), program);
    EXPECT_TRUE(FreeLibrary(program));  // the program is never unloaded
    EXPECT_EQ(GetModuleHandleA("notloaded.dll"), nullptr);

    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    EXPECT_NE(arrow, nullptr);
    EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), arrow);
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(1)), nullptr);
}

}  // namespace
