// A harness for looking at the effect, not a test: draws the comparison frame (the three
// panels through passes 6, 5 and 4, placed and scissored as the program places them) on a
// 1024 × 320 device at magnifications 1, 8, 25 and 49, and writes each frame as a PNG file,
// with enlarged crops around an edge of each panel. When assets/data/image_coverage_16x.png
// exists, every panel is compared with the exact coverage of its pixels, and the differences
// are printed and written as images too.
//
//   d3dx9_effect_view <output folder> [image.tga]
//
// Without image.tga (in assets/data or given) a stand-in shape is drawn: a disc and a square
// corner near texel (32, 32), with their distance field.
#include <stb_image.h>
#include <stb_image_write.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "assets/DistanceFieldEncoding.h"
#include "tests/platform/d3dx9/EffectTestSupport.h"

namespace effecttest {
namespace {

std::string g_outputFolder = ".";
std::string g_imagePath = std::string(DF_ASSET_DATA_DIR) + "/image.tga";

constexpr UINT kFrameWidth = 1024;
constexpr UINT kFrameHeight = 320;

struct Panel {
    RECT scissor;
    float anchorX;
    UINT pass;
    const char* name;
};
const Panel kPanels[] = {
    {{0, 0, 341, 320}, 170, 6, "bilinear"},
    {{341, 0, 682, 320}, 512, 5, "alpha test"},
    {{682, 0, 1024, 320}, 853, 4, "distance field"},
};

struct QuadVertex {
    float x, y, z, w;
    D3DCOLOR color;
    float u, v;
};

const D3DVERTEXELEMENT9 kElements[] = {
    {0, 0, D3DDECLTYPE_FLOAT4, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_POSITION, 0},
    {0, 16, D3DDECLTYPE_D3DCOLOR, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_COLOR, 0},
    {0, 20, D3DDECLTYPE_FLOAT2, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_TEXCOORD, 0},
    D3DDECL_END(),
};

// The stand-in: a disc of radius 14 centred at (40, 22) and a square from (18, 32) to
// (40, 56), exact distance (in texels) and coverage by 16 × 16 samples per texel.
double StandInDistance(double x, double y) {
    const double disc = 14.0 - std::hypot(x - 40.0, y - 22.0);
    const double dx = std::max(18.0 - x, x - 40.0), dy = std::max(32.0 - y, y - 56.0);
    const double outside = std::hypot(std::max(dx, 0.0), std::max(dy, 0.0));
    const double square = -(outside > 0 ? outside : std::max(dx, dy));
    return std::max(disc, square);
}

IDirect3DTexture9* MakeStandIn(IDirect3DDevice9* device) {
    IDirect3DTexture9* texture = nullptr;
    if (FAILED(device->CreateTexture(256, 64, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture,
                                     nullptr)))
        return nullptr;
    D3DLOCKED_RECT locked{};
    texture->LockRect(0, &locked, nullptr, 0);
    for (int y = 0; y < 64; ++y) {
        auto* row =
            reinterpret_cast<std::uint32_t*>(static_cast<BYTE*>(locked.pBits) + y * locked.Pitch);
        for (int x = 0; x < 256; ++x) {
            int inside = 0;
            for (int j = 0; j < 16; ++j)
                for (int i = 0; i < 16; ++i)
                    inside += StandInDistance(x + (i + 0.5) / 16, y + (j + 0.5) / 16) > 0;
            const auto grey = static_cast<std::uint32_t>(std::lround(255.0 * inside / 256.0));
            const double d = StandInDistance(x + 0.5, y + 0.5);
            const double a = std::clamp(0.5 + d / (2.0 * kDistanceFieldSpread), 0.0, 1.0);
            row[x] = static_cast<std::uint32_t>(std::lround(255.0 * a)) << 24 | grey << 16 |
                     grey << 8 | grey;
        }
    }
    texture->UnlockRect(0);
    return texture;
}

// Exact coverage at 16 texels per texel, when the image generator has written it.
struct Coverage16 {
    std::vector<unsigned char> grey;
    int width = 0, height = 0;

    // The mean over a screen pixel of footprint × footprint texels centred at (u, v).
    double Over(double u, double v, double footprint) const {
        const int n = std::max(1, static_cast<int>(std::ceil(16 * footprint)));
        double sum = 0;
        for (int j = 0; j < n; ++j)
            for (int i = 0; i < n; ++i)
                sum += At(u + ((i + 0.5) / n - 0.5) * footprint,
                          v + ((j + 0.5) / n - 0.5) * footprint);
        return sum / (n * n);
    }

    // Bilinear between the 16× samples, at a point in texels.
    double At(double u, double v) const {
        const double x = std::clamp(u * 16 - 0.5, 0.0, width - 1.0);
        const double y = std::clamp(v * 16 - 0.5, 0.0, height - 1.0);
        const int x0 = static_cast<int>(x), y0 = static_cast<int>(y);
        const int x1 = std::min(x0 + 1, width - 1), y1 = std::min(y0 + 1, height - 1);
        const double fx = x - x0, fy = y - y0;
        auto g = [&](int xx, int yy) { return grey[static_cast<size_t>(yy) * width + xx] / 255.0; };
        return (g(x0, y0) * (1 - fx) + g(x1, y0) * fx) * (1 - fy) +
               (g(x0, y1) * (1 - fx) + g(x1, y1) * fx) * fy;
    }
};

class EffectView : public EffectTest {
protected:
    void DrawQuad(IDirect3DDevice9* device, ID3DXEffect* effect, IDirect3DTexture9* texture,
                  float x, float y, float scale, UINT pass) {
        D3DSURFACE_DESC desc{};
        texture->GetLevelDesc(0, &desc);
        effect->SetTexture(effect->GetParameterByName(nullptr, "baseTexture"), texture);
        effect->BeginPass(pass);
        // The corners as the program computes them: clip space, half a pixel up and left.
        const double kx = 2.0 / kFrameWidth, ky = -2.0 / kFrameHeight;
        const auto left = static_cast<float>((x - 0.5) * kx - 1);
        const auto right = static_cast<float>(((x + desc.Width * scale) - 0.5) * kx - 1);
        const auto top = static_cast<float>((y - 0.5) * ky + 1);
        const auto bottom = static_cast<float>(((desc.Height * scale + y) - 0.5) * ky + 1);
        const QuadVertex quad[4] = {{left, top, 0, 1, 0xFFFFFFFF, 0, 0},
                                    {right, top, 0, 1, 0xFFFFFFFF, 1, 0},
                                    {left, bottom, 0, 1, 0xFFFFFFFF, 0, 1},
                                    {right, bottom, 0, 1, 0xFFFFFFFF, 1, 1}};
        device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(QuadVertex));
        effect->EndPass();
    }

    std::vector<std::uint32_t> ReadFrame(IDirect3DDevice9* device) {
        std::vector<std::uint32_t> pixels(kFrameWidth * kFrameHeight);
        IDirect3DSurface9* target = nullptr;
        IDirect3DSurface9* copy = nullptr;
        device->GetRenderTarget(0, &target);
        device->CreateOffscreenPlainSurface(kFrameWidth, kFrameHeight, D3DFMT_A8R8G8B8,
                                            D3DPOOL_SYSTEMMEM, &copy, nullptr);
        if (target && copy && SUCCEEDED(device->GetRenderTargetData(target, copy))) {
            D3DLOCKED_RECT locked{};
            copy->LockRect(&locked, nullptr, D3DLOCK_READONLY);
            for (UINT y = 0; y < kFrameHeight; ++y)
                std::copy_n(reinterpret_cast<const std::uint32_t*>(
                                static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch),
                            kFrameWidth, &pixels[y * kFrameWidth]);
            copy->UnlockRect();
        }
        if (copy) copy->Release();
        if (target) target->Release();
        return pixels;
    }
};

void WritePng(const std::string& name, const std::vector<std::uint32_t>& argb, int width,
              int height) {
    std::vector<unsigned char> rgb(static_cast<size_t>(width) * height * 3);
    for (size_t i = 0; i < argb.size(); ++i) {
        rgb[i * 3 + 0] = static_cast<unsigned char>(argb[i] >> 16);
        rgb[i * 3 + 1] = static_cast<unsigned char>(argb[i] >> 8);
        rgb[i * 3 + 2] = static_cast<unsigned char>(argb[i]);
    }
    const std::string path = g_outputFolder + "/" + name;
    if (!stbi_write_png(path.c_str(), width, height, 3, rgb.data(), width * 3))
        std::printf("could not write %s\n", path.c_str());
    else
        std::printf("wrote %s\n", path.c_str());
}

TEST_F(EffectView, DrawsTheComparisonFrame) {
    D3DPRESENT_PARAMETERS p = DefaultParameters();
    p.BackBufferWidth = kFrameWidth;
    p.BackBufferHeight = kFrameHeight;
    IDirect3DDevice9* device = nullptr;
    ASSERT_EQ(CreateDevice(p, &device), D3D_OK);
    IDirect3DVertexDeclaration9* declaration = nullptr;
    ASSERT_EQ(device->CreateVertexDeclaration(kElements, &declaration), D3D_OK);
    IDirect3DTexture9* image = nullptr;
    D3DXCreateTextureFromFileExA(device, g_imagePath.c_str(), D3DX_DEFAULT, D3DX_DEFAULT, 0, 0,
                                 D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, D3DX_FILTER_TRIANGLE,
                                 D3DX_FILTER_TRIANGLE, 0, nullptr, nullptr, &image);
    if (!image) {
        std::printf("%s not found: drawing the stand-in shape\n", g_imagePath.c_str());
        image = MakeStandIn(device);
    }
    ASSERT_NE(image, nullptr);
    const std::string text = EmbeddedEffectText();
    ID3DXEffect* effect = nullptr;
    ID3DXBuffer* errors = nullptr;
    ASSERT_EQ(D3DXCreateEffect(device, text.data(), static_cast<UINT>(text.size()), nullptr,
                               nullptr, D3DXSHADER_SKIPVALIDATION, nullptr, &effect, &errors),
              D3D_OK)
        << TakeText(errors);

    Coverage16 exact;
    {
        const std::string path = std::string(DF_ASSET_DATA_DIR) + "/image_coverage_16x.png";
        int channels = 0;
        unsigned char* grey = stbi_load(path.c_str(), &exact.width, &exact.height, &channels, 1);
        if (grey) {
            exact.grey.assign(grey, grey + static_cast<size_t>(exact.width) * exact.height);
            stbi_image_free(grey);
        } else {
            std::printf("%s not found: no comparison with the exact coverage\n", path.c_str());
        }
    }

    for (const float s : {1.0f, 8.0f, 25.0f, 49.0f}) {
        device->BeginScene();
        device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
        effect->SetTechnique("TStandard");
        effect->Begin(nullptr, D3DXFX_DONOTSAVESTATE);
        device->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
        device->SetRenderState(D3DRS_ZWRITEENABLE, FALSE);
        device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF404040, 1.0f, 0);
        device->SetVertexDeclaration(declaration);
        device->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
        device->SetRenderState(D3DRS_SCISSORTESTENABLE, TRUE);
        effect->SetFloat(effect->GetParameterByName(nullptr, "gScale"), s + 8.0f);
        const float y = 160.0f - 32.0f * s;
        for (const Panel& panel : kPanels) {
            device->SetScissorRect(&panel.scissor);
            DrawQuad(device, effect, image, panel.anchorX - 32.0f * s, y, s, panel.pass);
        }
        const RECT all{0, 0, static_cast<LONG>(kFrameWidth), static_cast<LONG>(kFrameHeight)};
        device->SetScissorRect(&all);
        effect->End();
        device->EndScene();
        const auto frame = ReadFrame(device);
        const std::string tag = std::to_string(static_cast<int>(s)) + "x";
        WritePng("frame_" + tag + ".png", frame, kFrameWidth, kFrameHeight);
        // Each panel's 64 × 48 pixels around the image point (33.8, 33.6), where the stem and
        // the bowl of the letter at the fixed point meet, enlarged 6 times.
        for (const Panel& panel : kPanels) {
            constexpr int kCropW = 64, kCropH = 48, kZoom = 6;
            const int left = static_cast<int>(panel.anchorX + 1.8f * s) - kCropW / 2;
            const int top = static_cast<int>(160 + 1.6f * s) - kCropH / 2;
            std::vector<std::uint32_t> crop(kCropW * kZoom * kCropH * kZoom);
            for (int cy = 0; cy < kCropH * kZoom; ++cy)
                for (int cx = 0; cx < kCropW * kZoom; ++cx) {
                    const int fx = std::clamp(left + cx / kZoom, 0, int{kFrameWidth} - 1);
                    const int fy = std::clamp(top + cy / kZoom, 0, int{kFrameHeight} - 1);
                    crop[cy * kCropW * kZoom + cx] = frame[fy * kFrameWidth + fx];
                }
            std::string name = panel.name;
            std::replace(name.begin(), name.end(), ' ', '_');
            WritePng("zoom_" + tag + "_" + name + ".png", crop, kCropW * kZoom, kCropH * kZoom);
            if (panel.pass != 4 || exact.grey.empty()) continue;
            // The same pixels as the exact coverage gives them, encoded as the panels are.
            const double x0 = panel.anchorX - 32.0 * s;
            for (int cy = 0; cy < kCropH * kZoom; ++cy)
                for (int cx = 0; cx < kCropW * kZoom; ++cx) {
                    const double u = (left + cx / kZoom + 0.5 - x0) / s;
                    const double v = (top + cy / kZoom + 0.5 - y) / s;
                    const double c = exact.Over(u, v, 1.0 / s);
                    const double e =
                        c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
                    const auto g = static_cast<std::uint32_t>(std::lround(255 * e));
                    crop[cy * kCropW * kZoom + cx] = 0xFF000000 | g << 16 | g << 8 | g;
                }
            WritePng("zoom_" + tag + "_exact.png", crop, kCropW * kZoom, kCropH * kZoom);
        }
        if (exact.grey.empty()) continue;

        // Each panel against the exact coverage of its pixels, as linear light (the alpha-test
        // panel: shape where it drew white, background elsewhere).
        std::vector<std::uint32_t> difference(frame.size(), 0xFF000000);
        for (const Panel& panel : kPanels) {
            double sum = 0, worst = 0;
            long count = 0, wrongSide = 0;
            const double x0 = panel.anchorX - 32.0 * s;
            for (LONG py = panel.scissor.top; py < panel.scissor.bottom; ++py) {
                for (LONG px = panel.scissor.left; px < panel.scissor.right; ++px) {
                    const double u = (px + 0.5 - x0) / s, v = (py + 0.5 - y) / s;
                    if (u < 0 || v < 0 || u >= 256 || v >= 64) continue;
                    const std::uint32_t pixel = frame[py * kFrameWidth + px];
                    const double shown =
                        panel.pass == 5 ? ((pixel & 0xFF) == 0xFF ? 1.0 : 0.0) : DecodeSrgb(pixel);
                    const double expected = exact.Over(u, v, 1.0 / s);
                    const double error = shown - expected;
                    sum += std::fabs(error);
                    worst = std::max(worst, std::fabs(error));
                    wrongSide += (shown > 0.5) != (expected > 0.5);
                    ++count;
                    const auto e =
                        static_cast<std::uint32_t>(std::min(255.0, std::fabs(error) * 4 * 255));
                    difference[py * kFrameWidth + px] = 0xFF000000 | (error > 0 ? e << 16 : e);
                }
            }
            std::printf("%4.0fx %-15s mean |error| %.4f  max %.3f  wrong side %ld of %ld\n", s,
                        panel.name, count ? sum / count : 0.0, worst, wrongSide, count);
        }
        WritePng("difference_" + tag + ".png", difference, kFrameWidth, kFrameHeight);
    }

    effect->Release();
    image->Release();
    declaration->Release();
    EXPECT_EQ(device->Release(), 0u);
}

}  // namespace
}  // namespace effecttest

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1) effecttest::g_outputFolder = argv[1];
    if (argc > 2) effecttest::g_imagePath = argv[2];
    return RUN_ALL_TESTS();
}
