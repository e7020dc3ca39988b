// Device start-up and teardown against the real module and against stand-ins that report
// other hardware or fail device creation: the boxes, their order and their texts, the
// back-buffer size, and the teardown releasing each object once.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "MessageBoxLog.h"
#include "render/Render.h"

namespace {

using win32test::LoggedMessageBox;
using win32test::ParseMessageBoxes;

constexpr const char* kClassName = "renderTestClass";

LRESULT TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

struct StartUp {
    bool result;
    std::string err;
    std::vector<LoggedMessageBox> boxes;
};

class RenderTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = TestWindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kClassName;
        RegisterClassExA(&wc);
        m_window = CreateWindowExA(0, kClassName, "render test", WS_OVERLAPPEDWINDOW, 0, 0, 1040,
                                   359, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(m_window, nullptr);
        g_screenWidth = g_screenHeight = 0;
    }
    void TearDown() override {
        m_render.Finalize();
        DestroyWindow(m_window);
    }

    // Start-up with d3d9.dll taken from the given folder of modules.
    StartUp Initialize(const std::string& moduleDir) {
        setenv("DFDEMO_MODULE_DIR", moduleDir.c_str(), 1);
        testing::internal::CaptureStderr();
        const bool result = m_render.Initialize(1024, 320, m_window, true);
        std::string err = testing::internal::GetCapturedStderr();
        return {result, err, ParseMessageBoxes(err)};
    }
    // Teardown, with what it wrote.
    std::string Finalize() {
        testing::internal::CaptureStderr();
        m_render.Finalize();
        return testing::internal::GetCapturedStderr();
    }

    HWND m_window = nullptr;
    Render m_render;
};

std::string StandIn(const char* variant) {
    return std::string(DF_STANDIN_DIR "/") + variant;
}

const char kError[] = "エラー";
const char kCreateFailed[] = "Direct3Dの初期化に失敗しました.";
const char kDeviceFailed[] = "Direct3Dデバイスを初期化できませんでした.";

std::string ShaderModelText(const char* version) {
    return std::string(
               "グラフィックハードウェアが ShaderModel 2.0 に対応していません。\n"
               "現在お使いの\"Stand-in Adapter 9000\"は ShaderModel ") +
           version +
           " までの対応です。\n"
           "このデモプログラムの実行には ShaderModel 3.0 以降対応の環境が必要です。";
}

TEST_F(RenderTest, StartsOnTheRealModuleWithTheFixedPresentationParameters) {
    const StartUp run = Initialize(StandIn("passthrough"));
    EXPECT_TRUE(run.result) << run.err;
    EXPECT_TRUE(run.boxes.empty());
    EXPECT_NE(m_render.m_d3d, nullptr);
    EXPECT_NE(m_render.m_device, nullptr);
    EXPECT_NE(m_render.m_effect, nullptr);
    EXPECT_EQ(Count(run.err, "[standin] CreateDevice"), 1);
    EXPECT_NE(run.err.find("[standin] Direct3DCreate9(32)"), std::string::npos);
    EXPECT_NE(run.err.find("CreateDevice 1: adapter=0 type=1 window=set flags=0x40 size=1024x320 "
                           "format=21 count=2 multisample=0/0 swap=1 device-window=null "
                           "windowed=1 auto-depth=1 depth-format=80 flags=0 refresh=0 "
                           "interval=1"),
              std::string::npos)
        << run.err;
    // The three start-up states.
    DWORD value = 0;
    m_render.m_device->GetRenderState(D3DRS_CULLMODE, &value);
    EXPECT_EQ(value, static_cast<DWORD>(D3DCULL_NONE));
    m_render.m_device->GetRenderState(D3DRS_LIGHTING, &value);
    EXPECT_EQ(value, static_cast<DWORD>(FALSE));
    m_render.m_device->GetRenderState(D3DRS_ZENABLE, &value);
    EXPECT_EQ(value, static_cast<DWORD>(D3DZB_TRUE));

    // Teardown releases every object once and frees the module once; a second call does
    // nothing.
    const std::string first = Finalize();
    EXPECT_EQ(m_render.m_effect, nullptr);
    EXPECT_EQ(m_render.m_device, nullptr);
    EXPECT_EQ(m_render.m_d3d, nullptr);
    EXPECT_EQ(g_d3d9Module, nullptr);
    EXPECT_EQ(Count(first, "[standin] unloaded"), 1) << first;
    EXPECT_EQ(first.find("still alive"), std::string::npos) << first;
    EXPECT_EQ(Finalize(), "");
}

struct FailureCase {
    const char* variant;
    bool result;
    std::vector<LoggedMessageBox> boxes;
    int deviceCreations;
};

class RenderFailureTest : public RenderTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(RenderFailureTest, ShowsItsOwnBoxAndKeepsTheSize) {
    const FailureCase& c = GetParam();
    const StartUp run = Initialize(StandIn(c.variant));
    EXPECT_EQ(run.result, c.result) << run.err;
    EXPECT_EQ(run.boxes, c.boxes) << run.err;
    EXPECT_EQ(Count(run.err, "[standin] CreateDevice"), c.deviceCreations) << run.err;
    EXPECT_EQ(g_screenWidth, 1024u);
    EXPECT_EQ(g_screenHeight, 320u);
    const bool loaded = std::string(c.variant) != "missing";
    EXPECT_EQ(g_d3d9Module != nullptr, loaded);
    // Whatever start-up reached is released by the teardown, the module freed once.
    const std::string teardown = Finalize();
    EXPECT_EQ(g_d3d9Module, nullptr);
    EXPECT_EQ(m_render.m_d3d, nullptr);
    EXPECT_EQ(m_render.m_device, nullptr);
    if (loaded && std::string(c.variant) != "no-entry") {
        EXPECT_EQ(Count(teardown, "[standin] unloaded"), 1) << teardown;
    }
    EXPECT_EQ(Finalize(), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, RenderFailureTest,
                         ::testing::Values(
                             // Without the module start-up shows nothing of its own.
                             FailureCase{"missing", false, {}, 0},
                             FailureCase{"no-entry", false, {{kError, kCreateFailed}}, 0},
                             FailureCase{"null-direct3d", false, {{kError, kCreateFailed}}, 0},
                             FailureCase{"vs11", false, {{kError, ShaderModelText("1.1")}}, 0},
                             FailureCase{"vs00", false, {{kError, ShaderModelText("0.0")}}, 0},
                             FailureCase{"vs20", true, {}, 1},
                             // One failed creation is retried once, silently; two fail with a box.
                             FailureCase{"fail-first", true, {}, 2},
                             FailureCase{"fail-both", false, {{kError, kDeviceFailed}}, 2}),
                         [](const ::testing::TestParamInfo<FailureCase>& info) {
                             std::string name = info.param.variant;
                             for (char& ch : name)
                                 if (ch == '-') ch = '_';
                             return name;
                         });

}  // namespace
