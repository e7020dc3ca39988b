// Real frames of the program, drawn by its own objects on the offscreen device and read
// back: each panel shows the image around its own anchor and nothing of its neighbours, the
// background where no quad covers, the captions as their six copies compose, the logo at its
// corner, and a drag that turns the camera.
#include <gtest/gtest.h>
#include <stb_image.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "app/Application.h"
#include "app/Main.h"
#include "app/OrbitInput.h"
#include "game/Game.h"
#include "game/GameTexts.h"
#include "game/Magnification.h"
#include "game/Matrices.h"
#include "render/Render.h"
#include "tools/capture/BackBufferReadback.h"

extern std::uint32_t g_frameCount;

namespace gametest {
namespace {

// The program's application object, with a look at each frame after it is presented.
class ProbeMain final : public Main {
public:
    // Called after frame n has been drawn and presented; false ends the run.
    std::function<bool(std::uint32_t n)> onFrame;

    bool Update() override {
        if (!Main::Update()) return false;
        return onFrame(++m_frame);
    }

private:
    std::uint32_t m_frame = 0;
};

// The exact coverage of the shape, from the 16× image beside image.tga: per texel, the least
// and the most of its 16 × 16 block.
class ExactShape {
public:
    ExactShape() {
        int w = 0, h = 0, n = 0;
        stbi_uc* pixels = stbi_load(DF_TEST_COVERAGE_16X, &w, &h, &n, 1);
        if (!pixels || w != 4096 || h != 1024) return;
        m_min.assign(256 * 64, 255);
        m_max.assign(256 * 64, 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::uint8_t c = pixels[y * w + x];
                const int t = (y / 16) * 256 + x / 16;
                m_min[t] = std::min(m_min[t], c);
                m_max[t] = std::max(m_max[t], c);
            }
        stbi_image_free(pixels);
    }
    bool Loaded() const { return !m_min.empty(); }
    // +1 when every texel within 2 of (u, v) is wholly inside, −1 when wholly outside, 0 near
    // an edge or the image border.
    int Classify(double u, double v) const {
        const int tu = static_cast<int>(std::floor(u)), tv = static_cast<int>(std::floor(v));
        if (tu < 2 || tv < 2 || tu > 253 || tv > 61) return 0;
        bool inside = true, outside = true;
        for (int j = tv - 2; j <= tv + 2; ++j)
            for (int i = tu - 2; i <= tu + 2; ++i) {
                inside = inside && m_min[j * 256 + i] == 255;
                outside = outside && m_max[j * 256 + i] == 0;
            }
        return inside ? 1 : outside ? -1 : 0;
    }

private:
    std::vector<std::uint8_t> m_min, m_max;
};

struct Rgb {
    int r, g, b;
};

Rgb PixelAt(const CapturedFrame& f, int x, int y) {
    const std::uint8_t* p = &f.rgba[(static_cast<size_t>(y) * f.width + x) * 4];
    return {p[0], p[1], p[2]};
}

bool Near(Rgb a, Rgb b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

constexpr Rgb kBackground{0x40, 0x40, 0x40};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

class FrameReadbackTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(getcwd(m_previous, sizeof m_previous), nullptr);
        // The program reads image.tga from its current directory and loads d3d9.so beside it.
        ASSERT_EQ(chdir(DF_BIN_DIR), 0);
        setenv("DFDEMO_MODULE_DIR", DF_BIN_DIR, 1);
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        // Each run starts as the program does, whatever an earlier run in this process left.
        g_frameCount = 0;
        g_orbitYaw = 0.0f;
        g_orbitPitch = kOrbitPitchInitial;
    }
    void TearDown() override { EXPECT_EQ(chdir(m_previous), 0); }

    // Runs the program until the last of the frames and keeps those frames.
    std::map<std::uint32_t, CapturedFrame> Capture(std::vector<std::uint32_t> frames) {
        std::map<std::uint32_t, CapturedFrame> captured;
        ProbeMain app;
        app.onFrame = [&](std::uint32_t n) {
            if (std::find(frames.begin(), frames.end(), n) != frames.end()) {
                CapturedFrame frame;
                EXPECT_TRUE(ReadBackBuffer(g_render.m_device, &frame));
                captured[n] = std::move(frame);
            }
            return n < *std::max_element(frames.begin(), frames.end());
        };
        EXPECT_EQ(RunApplication(app), 0);
        return captured;
    }

    char m_previous[4096] = {};
};

struct PanelView {
    int left, right;  // columns, right exclusive
    double anchorX;
    Rgb inside, outside;
};

// Panels: bilinear, alpha test (discarded pixels show the background), distance field.
constexpr PanelView kPanels[3] = {{0, 341, 170, kWhite, kBlack},
                                  {341, 682, 512, kWhite, kBackground},
                                  {682, 1024, 853, kWhite, kBlack}};

bool InLogoOrCaptions(int x, int y) {
    return y < 60 || (x >= 576 && y >= 192);
}

TEST_F(FrameReadbackTest, EachPanelShowsTheImageAroundItsOwnAnchorAndNothingElse) {
    const ExactShape shape;
    ASSERT_TRUE(shape.Loaded());
    const std::vector<std::uint32_t> frames = {1, 60, 157, 314, 471};
    const auto captured = Capture(frames);
    ASSERT_EQ(captured.size(), frames.size());
    for (const auto& [n, frame] : captured) {
        SCOPED_TRACE("frame " + std::to_string(n));
        ASSERT_EQ(frame.width, 1024u);
        ASSERT_EQ(frame.height, 320u);
        const double s = MagnificationForFrame(n);
        for (const PanelView& panel : kPanels) {
            SCOPED_TRACE("panel at " + std::to_string(panel.left));
            int checked = 0, wrong = 0, background = 0;
            for (int y = 0; y < 320; y += 2) {
                for (int x = panel.left; x < panel.right; x += 2) {
                    if (InLogoOrCaptions(x, y)) continue;
                    // The image point under this pixel's centre, for this panel's anchor.
                    const double u = 32 + (x + 0.5 - panel.anchorX) / s;
                    const double v = 32 + (y + 0.5 - 160) / s;
                    const double margin = 0.5 / s;
                    Rgb expected;
                    if (u < -margin || u > 256 + margin || v < -margin || v > 64 + margin) {
                        expected = kBackground;  // no quad covers this pixel
                        ++background;
                    } else if (u < margin || u > 256 - margin || v < margin || v > 64 - margin) {
                        continue;  // on the quad's edge
                    } else {
                        const int c = shape.Classify(u, v);
                        if (c == 0) continue;  // near the outline: the panels differ there
                        expected = c > 0 ? panel.inside : panel.outside;
                    }
                    ++checked;
                    if (!Near(PixelAt(frame, x, y), expected, 2)) ++wrong;
                }
            }
            EXPECT_GT(checked, 200);
            EXPECT_EQ(wrong, 0) << "of " << checked << " pixels checked";
            if (s < 2) {
                EXPECT_GT(background, 100);
            }
        }
    }
}

// At about 1× the captions lie on the cleared background, so each pixel can be computed from
// the lettering's coverage: a shadow of black at alpha 64 two pixels down and right, black one
// pixel left, right, up and down, then the lettering in the panel's colour.
TEST_F(FrameReadbackTest, CaptionsComposeTheirShadowOutlineAndLettering) {
    CapturedFrame frame;
    std::vector<float> coverage;  // the lettering of all three captions, drawn alone in white
    ProbeMain app;
    app.onFrame = [&](std::uint32_t n) {
        if (n < 471) return true;
        EXPECT_TRUE(ReadBackBuffer(g_render.m_device, &frame));
        IDirect3DDevice9* device = g_render.m_device;
        device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
        device->BeginScene();
        const LONG origins[3] = {4, 345, 686};
        for (int i = 0; i < 3; ++i) {
            RECT rect{origins[i], 4, 1024, 320};
            g_font->DrawTextA(nullptr, kPanelCaptions[i], -1, &rect, DT_NOCLIP, 0xFFFFFFFF);
        }
        device->EndScene();
        CapturedFrame mask;
        EXPECT_TRUE(ReadBackBuffer(device, &mask));
        coverage.resize(1024 * 320);
        for (size_t i = 0; i < coverage.size(); ++i) coverage[i] = mask.rgba[i * 4] / 255.0f;
        return false;
    };
    ASSERT_EQ(RunApplication(app), 0);
    ASSERT_EQ(coverage.size(), 1024u * 320u);
    auto c = [&](int x, int y) {
        return x < 0 || y < 0 || x >= 1024 || y >= 320 ? 0.0f : coverage[y * 1024 + x];
    };
    const struct {
        int left, right;
        Rgb color;
    } captions[3] = {{0, 341, {0x80, 0xE0, 0x80}},
                     {341, 682, {0x80, 0xE0, 0x80}},
                     {682, 1024, {0xE0, 0x60, 0x60}}};
    for (const auto& caption : captions) {
        SCOPED_TRACE(caption.left);
        int solid = 0, outline = 0, shadow = 0, wrong = 0;
        for (int y = 0; y < 60; ++y) {
            for (int x = caption.left; x < caption.right; ++x) {
                const int channels[3] = {caption.color.r, caption.color.g, caption.color.b};
                const Rgb actual = PixelAt(frame, x, y);
                const int got[3] = {actual.r, actual.g, actual.b};
                for (int k = 0; k < 3; ++k) {
                    float d = 0x40;
                    d = d * (1 - 64.0f / 255.0f * c(x - 2, y - 2));
                    for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}})
                        d = d * (1 - c(x - dx, y - dy));
                    d = channels[k] * c(x, y) + d * (1 - c(x, y));
                    if (std::abs(got[k] - d) > 3.0f) ++wrong;
                }
                if (c(x, y) == 1.0f) {
                    ++solid;
                    EXPECT_TRUE(Near(actual, caption.color, 0)) << x << "," << y;
                }
                if (c(x, y) == 0 && (c(x - 1, y) == 1 || c(x + 1, y) == 1 || c(x, y - 1) == 1 ||
                                     c(x, y + 1) == 1)) {
                    ++outline;
                    EXPECT_TRUE(Near(actual, kBlack, 0)) << x << "," << y;
                }
                if (c(x - 2, y - 2) == 1 && c(x, y) == 0 && c(x - 1, y) == 0 && c(x + 1, y) == 0 &&
                    c(x, y - 1) == 0 && c(x, y + 1) == 0) {
                    ++shadow;  // black at alpha 64 over the background: 0x40 × 191/255
                    EXPECT_TRUE(Near(actual, {48, 48, 48}, 1)) << x << "," << y;
                }
            }
        }
        EXPECT_GT(solid, 100);
        EXPECT_GT(outline, 50);
        EXPECT_GT(shadow, 10);
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(FrameReadbackTest, TheLogoSitsAtItsCornerAtItsOwnSize) {
    int w = 0, h = 0, n = 0;
    stbi_uc* logo = stbi_load(DF_TEST_LOGO, &w, &h, &n, 4);
    ASSERT_NE(logo, nullptr);
    ASSERT_EQ(w, 448);
    ASSERT_EQ(h, 128);
    const auto captured = Capture({471});
    ASSERT_EQ(captured.size(), 1u);
    const CapturedFrame& frame = captured.at(471);
    int wrong = 0, opaque = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const stbi_uc* p = &logo[(y * w + x) * 4];
            const float a = p[3] / 255.0f;
            const Rgb expected{static_cast<int>(std::lround(p[0] * a + 0x40 * (1 - a))),
                               static_cast<int>(std::lround(p[1] * a + 0x40 * (1 - a))),
                               static_cast<int>(std::lround(p[2] * a + 0x40 * (1 - a)))};
            opaque += p[3] == 255;
            wrong += !Near(PixelAt(frame, 576 + x, 192 + y), expected, 2);
        }
    stbi_image_free(logo);
    EXPECT_GT(opaque, 1000);
    EXPECT_EQ(wrong, 0);
}

TEST_F(FrameReadbackTest, ADragInTheWindowTurnsTheCamera) {
    float yawBefore = 0, pitchBefore = 0;
    D3DXMATRIX uploaded{};
    ProbeMain app;
    app.onFrame = [&](std::uint32_t n) {
        if (n == 1) {
            yawBefore = g_orbitYaw;
            pitchBefore = g_orbitPitch;
            // Press, drag 50 pixels right and 20 down, release: dispatched before frame 2.
            PostMessageA(app.m_hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));
            PostMessageA(app.m_hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(130, 110));
            PostMessageA(app.m_hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 120));
            PostMessageA(app.m_hwnd, WM_LBUTTONUP, 0, MAKELPARAM(150, 120));
            return true;
        }
        ID3DXEffect* effect = g_render.m_effect;
        effect->GetMatrix(effect->GetParameterByName(nullptr, "matWorldViewProj"), &uploaded);
        return false;
    };
    ASSERT_EQ(RunApplication(app), 0);
    EXPECT_NEAR(g_orbitYaw - yawBefore, 0.5f, 1e-5f);
    EXPECT_NEAR(g_orbitPitch - pitchBefore, 0.2f, 1e-5f);
    const OrbitMatrices expected = ComputeOrbitMatrices(g_orbitYaw, g_orbitPitch, 1024, 320);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(uploaded.m[i / 4][i % 4], expected.worldViewProjection.m[i / 4][i % 4]) << i;
    g_orbitYaw = yawBefore;
    g_orbitPitch = pitchBefore;
}

}  // namespace
}  // namespace gametest
