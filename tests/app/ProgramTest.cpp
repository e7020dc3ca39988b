// The program (and the shell's life with a scripted application object) as a separate
// process: start-up failures and their boxes, the end by SIGTERM, and the window under a real
// X server (Xvfb).

#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "ChildProcess.h"
#include "MessageBoxLog.h"
#include "TemporaryDirectory.h"

namespace {

using win32test::ChildProcess;
using win32test::ChildResult;
using win32test::EnvironmentChange;
using win32test::LoggedMessageBox;
using win32test::ParseMessageBoxes;

constexpr int kTimeoutSeconds = 120;

const char kWindowCreationFailed[] =
    "\xE3\x82\xA6\xE3\x82\xA3\xE3\x83\xB3\xE3\x83\x89\xE3\x82\xA6\xE3\x81\xAE\xE4\xBD\x9C\xE6\x88"
    "\x90\xE3\x81\xAB\xE5\xA4\xB1\xE6\x95\x97.";
const char kRenderInitializationFailed[] =
    "Render\xE5\x88\x9D\xE6\x9C\x9F\xE5\x8C\x96\xE3\x82\xA8\xE3\x83\xA9\xE3\x83\xBC";

// Headless, with nothing of the caller's environment deciding the outcome.
std::vector<EnvironmentChange> Headless(std::vector<EnvironmentChange> more = {}) {
    std::vector<EnvironmentChange> env = {{"DISPLAY", std::nullopt},
                                          {"WAYLAND_DISPLAY", std::nullopt},
                                          {"SDL_VIDEODRIVER", std::nullopt},
                                          {"DFDEMO_MODULE_DIR", std::nullopt}};
    env.insert(env.end(), more.begin(), more.end());
    return env;
}

std::string Describe(const ChildResult& r) {
    return "exited=" + std::to_string(r.exited) + " code=" + std::to_string(r.exitCode) +
           " signal=" + std::to_string(r.signal) + " timedOut=" + std::to_string(r.timedOut) +
           "\nstdout:\n" + r.out + "\nstderr:\n" + r.err;
}

using EmptyDirectory = win32test::TemporaryDirectory;

// True once the process has installed a handler for SIGTERM (SDL does, when video starts):
// from then on the signal is a quit request rather than the end of the process.
bool CatchesSigterm(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("SigCgt:", 0) == 0) {
            const unsigned long long mask = std::stoull(line.substr(7), nullptr, 16);
            return (mask & (1ull << (SIGTERM - 1))) != 0;
        }
    }
    return false;
}

TEST(ProgramTest, WindowCreationFailureShowsItsBoxAndEndsWithZero) {
    const ChildResult result =
        win32test::RunChild({DF_TEST_DFDEMO}, Headless({{"SDL_VIDEODRIVER", "no-such-driver"}}),
                            kTimeoutSeconds, DF_TEST_BIN_DIR);
    ASSERT_TRUE(result.exited) << Describe(result);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(ParseMessageBoxes(result.err),
              (std::vector<LoggedMessageBox>{{"Error", kWindowCreationFailed}}))
        << result.err;
}

TEST(ProgramTest, MissingDirect3DModuleShowsOnlyTheRenderBoxAndEndsWithZero) {
    EmptyDirectory empty;
    ASSERT_FALSE(empty.path().empty());
    const ChildResult result =
        win32test::RunChild({DF_TEST_DFDEMO}, Headless({{"DFDEMO_MODULE_DIR", empty.path()}}),
                            kTimeoutSeconds, DF_TEST_BIN_DIR);
    ASSERT_TRUE(result.exited) << Describe(result);
    EXPECT_EQ(result.exitCode, 0);
    // Owned by the hidden window, with the default caption.
    EXPECT_EQ(ParseMessageBoxes(result.err),
              (std::vector<LoggedMessageBox>{{"Error", kRenderInitializationFailed}}))
        << result.err;
}

TEST(ProgramTest, SigtermEndsTheShellsLoopWithZeroAfterFinalisation) {
    ChildProcess child;
    ASSERT_TRUE(child.Start({DF_TEST_APP_PROBE, "loop"}, Headless()));
    ASSERT_TRUE(child.WaitForOutput("ready\n", kTimeoutSeconds)) << child.err();
    ASSERT_TRUE(child.Signal(SIGTERM));
    const ChildResult result = child.Finish(kTimeoutSeconds);
    ASSERT_TRUE(result.exited) << Describe(result);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("finalised frames="), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("log=finalize"), std::string::npos) << result.out;
}

TEST(ProgramTest, SigtermEndsTheRunningProgramWithZero) {
    // The program finds its module beside itself and reads image.tga from where it runs.
    if (!std::filesystem::exists(DF_TEST_BIN_DIR "/d3d9.so"))
        GTEST_SKIP() << "the Direct3D 9 module is not built";
    if (!std::filesystem::exists(DF_TEST_IMAGE)) GTEST_SKIP() << DF_TEST_IMAGE << " is missing";
    EmptyDirectory workingDirectory;
    ASSERT_FALSE(workingDirectory.path().empty());
    std::filesystem::copy_file(DF_TEST_IMAGE, workingDirectory.path() + "/image.tga");
    ChildProcess child;
    ASSERT_TRUE(child.Start({DF_TEST_DFDEMO}, Headless(), workingDirectory.path()));
    // Wait until SDL handles the signal, then give start-up time to reach the loop.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!CatchesSigterm(child.pid()) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const bool running = child.Running();
    if (running) {
        ASSERT_TRUE(child.Signal(SIGTERM));
    }
    const ChildResult result = child.Finish(kTimeoutSeconds);
    if (!running) {
        // A machine whose OpenGL cannot carry the device ends the program by itself.
        for (const LoggedMessageBox& box : ParseMessageBoxes(result.err))
            if (box.text == kRenderInitializationFailed)
                GTEST_SKIP() << "the device cannot start here:\n" << result.err;
        FAIL() << "the program ended before the signal\n" << Describe(result);
    }
    ASSERT_TRUE(result.exited) << Describe(result);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(ParseMessageBoxes(result.err).empty()) << result.err;
    // Shutdown released everything the Direct3D 9 module made before it was unloaded.
    EXPECT_EQ(result.err.find("still alive"), std::string::npos) << result.err;
}

// The word after the first occurrence of label (spaces skipped), or "" without one.
std::string Field(const std::string& text, const std::string& label) {
    std::size_t at = text.find(label);
    if (at == std::string::npos) return "";
    at = text.find_first_not_of(' ', at + label.size());
    if (at == std::string::npos) return "";
    const std::size_t end = text.find_first_of(" \n", at);
    return text.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

// The text between the double quotes that follow label.
std::string Quoted(const std::string& text, const std::string& label) {
    const std::size_t at = text.find(label);
    if (at == std::string::npos) return "";
    const std::size_t open = text.find('"', at + label.size());
    const std::size_t close = open == std::string::npos ? open : text.find('"', open + 1);
    if (close == std::string::npos) return "";
    return text.substr(open + 1, close - open - 1);
}

TEST(ProgramTest, UnderXvfbTheWindowHasTheClientSizeAndTheCaption) {
    if (access("/usr/bin/xvfb-run", X_OK) != 0) GTEST_SKIP() << "xvfb-run is not installed";
    const ChildResult result =
        win32test::RunChild({"/usr/bin/xvfb-run", "-a", "-s", "-screen 0 1280x1024x24",
                             DF_TEST_APP_PROBE, "window-info"},
                            // The test's X server has no session bus: saying so keeps D-Bus from
                            // trying to start one for it.
                            {{"SDL_VIDEODRIVER", std::nullopt},
                             {"WAYLAND_DISPLAY", std::nullopt},
                             {"DBUS_SESSION_BUS_ADDRESS", "disabled:"}},
                            kTimeoutSeconds);
    ASSERT_TRUE(result.exited) << Describe(result);
    ASSERT_EQ(result.exitCode, 0) << Describe(result);
    const std::string& out = result.out;
    ASSERT_EQ(Field(out, "driver="), "x11") << out;
    EXPECT_EQ(Field(out, "client="), "1024x320") << out;
    EXPECT_EQ(Field(out, "screen="), "1280x1024") << out;
    EXPECT_EQ(Field(out, "visible="), "0") << out;
    // What the X server reports: the client area, not mapped, at the centred frame's client
    // corner ((1280 - 1040) / 2 + 8, (1024 - 359) / 2 + 31) while no window manager moves it.
    EXPECT_EQ(Field(out, "Width:"), "1024") << out;
    EXPECT_EQ(Field(out, "Height:"), "320") << out;
    EXPECT_EQ(Field(out, "Map State:"), "IsUnMapped") << out;
    EXPECT_EQ(Field(out, "Absolute upper-left X:"), "128") << out;
    EXPECT_EQ(Field(out, "Absolute upper-left Y:"), "363") << out;
    EXPECT_EQ(Quoted(out, "_NET_WM_NAME(UTF8_STRING) ="),
              "\xE8\xB7\x9D\xE9\x9B\xA2\xE3\x83\x95\xE3\x82\xA3\xE3\x83\xBC\xE3\x83\xAB\xE3\x83"
              "\x89\xE3\x81\xAE\xE3\x83\x99\xE3\x82\xAF\xE3\x83\x88\xE3\x83\xAB\xE5\x8C\x96 "
              "-Distance Field Vectorization- (C) 2026 dfdemo contributors")
        << out;
}

}  // namespace
