// The passes of the embedded effect that the program draws: the bilinear and alpha-test
// panels show the coverage as they should, the logo is blended by its alpha, and the distance-field
// pass gives a straight edge a ramp about one pixel wide, where the field puts it, at low and high
// magnification.
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "assets/DistanceFieldEncoding.h"
#include "tests/platform/d3dx9/EffectTestSupport.h"

namespace effecttest {
namespace {

constexpr UINT kPassOverlay = 3;
constexpr UINT kPassDistanceField = 4;
constexpr UINT kPassAlphaTest = 5;
constexpr UINT kPassBilinear = 6;
constexpr UINT kTexels = 16;        // the synthetic image is 16 × 16 texels
constexpr double kEdge = 7.3;       // the edge, in texels from the image's edge; inside below
constexpr double kScreenEdge = 30;  // where the edge is put on the target, before the offsets

BYTE EncodeDistance(double distance) {
    const double v = 0.5 + distance / (2.0 * kDistanceFieldSpread);
    return static_cast<BYTE>(std::lround(255.0 * std::clamp(v, 0.0, 1.0)));
}

double DecodeDistance(BYTE encoded) {
    return (encoded / 255.0 - 0.5) * 2.0 * kDistanceFieldSpread;
}

// Where the interpolated decoded distance crosses zero, in texels from the image's edge: the
// edge as the stored field has it, 8-bit steps included.
double FieldEdge() {
    for (UINT i = 0; i + 1 < kTexels; ++i) {
        const double a = DecodeDistance(EncodeDistance(kEdge - (i + 0.5)));
        const double b = DecodeDistance(EncodeDistance(kEdge - (i + 1.5)));
        if (a > 0 && b <= 0) return i + 0.5 + a / (a - b);
    }
    return -1;
}

// The first position at which the samples (position, coverage), sorted by position and
// falling from 1 to 0, drop to the level; linear between neighbours.
double Crossing(const std::vector<std::pair<double, double>>& samples, double level) {
    for (size_t i = 1; i < samples.size(); ++i) {
        const auto [x0, c0] = samples[i - 1];
        const auto [x1, c1] = samples[i];
        if (c0 >= level && c1 < level) return x0 + (c0 - level) / (c0 - c1) * (x1 - x0);
    }
    return NAN;
}

std::uint32_t Grey(std::uint32_t alpha, std::uint32_t value) {
    return alpha << 24 | value << 16 | value << 8 | value;
}

std::uint32_t EncodeSrgb(double c) {
    const double e = c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
    return static_cast<std::uint32_t>(std::lround(255 * e));
}

class EffectPanelTest : public EffectTest {
protected:
    void SetUp() override {
        EffectTest::SetUp();
        m_effect = Create(EmbeddedEffectText());
        if (m_effect) m_effect->SetTechnique("TStandard");
    }

    ID3DXEffect* m_effect = nullptr;
};

TEST_F(EffectPanelTest, TheBilinearPanelShowsTheCoverageAsLinearLight) {
    ASSERT_NE(m_effect, nullptr);
    for (std::uint32_t coverage : {0u, 13u, 64u, 128u, 255u}) {
        IDirect3DTexture9* image = MakeTexture(4, 4, [&](UINT, UINT) { return Grey(0, coverage); });
        m_effect->SetTexture("baseTexture", image);
        ClearTarget(0xFF404040);
        DrawPass(m_effect, kPassBilinear, 0, 0, 32, 32);
        const std::uint32_t pixel = Pixel(ReadBack(), 16, 16);
        EXPECT_EQ(pixel >> 24, 0xFFu) << coverage;
        EXPECT_NEAR(static_cast<double>(pixel & 0xFF), EncodeSrgb(coverage / 255.0), 1.0)
            << coverage;
        EXPECT_EQ(pixel & 0xFF, (pixel >> 16) & 0xFF);
    }
}

TEST_F(EffectPanelTest, TheAlphaTestPanelKeepsWhatHasHalfCoverage) {
    ASSERT_NE(m_effect, nullptr);
    struct Case {
        std::uint32_t coverage;
        std::uint32_t shown;  // RGB: the shape's white, or the background left alone
    };
    for (const Case c : {Case{127, 0x404040}, Case{128, 0xFFFFFF}, Case{255, 0xFFFFFF}}) {
        IDirect3DTexture9* image =
            MakeTexture(4, 4, [&](UINT, UINT) { return Grey(0xFF, c.coverage); });
        m_effect->SetTexture("baseTexture", image);
        ClearTarget(0xFF404040);
        DrawPass(m_effect, kPassAlphaTest, 0, 0, 32, 32);
        EXPECT_EQ(Pixel(ReadBack(), 16, 16) & 0xFFFFFF, c.shown) << c.coverage;
    }
}

TEST_F(EffectPanelTest, TheLogoIsBlendedByItsOwnAlpha) {
    ASSERT_NE(m_effect, nullptr);
    IDirect3DTexture9* logo = MakeTexture(8, 8, [](UINT, UINT) { return 0x80FF0000u; });
    m_effect->SetTexture("baseTexture", logo);
    ClearTarget(0xFF000000);
    m_device->SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE);
    m_device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    m_device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    m_device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    DrawPass(m_effect, kPassOverlay, 4, 4, 12, 12);
    const std::uint32_t pixel = Pixel(ReadBack(), 8, 8);
    EXPECT_NEAR(static_cast<double>((pixel >> 16) & 0xFF), 128.0, 1.0);
    EXPECT_EQ(pixel & 0xFFFF, 0u);
}

TEST_F(EffectPanelTest, TheEdgeRampIsAboutOnePixelAndTheEdgeIsWhereTheFieldSays) {
    ID3DXEffect* effect = m_effect;
    ASSERT_NE(effect, nullptr);
    // A gScale far from the magnification: the ramp must come from the screen, not from it.
    effect->SetFloat("gScale", 1000.0f);
    struct Case {
        bool vertical;  // the edge runs top to bottom (the distance changes along x)
        double magnification;
    };
    for (const Case c : {Case{true, 8}, Case{true, 49}, Case{false, 8}, Case{false, 49}}) {
        IDirect3DTexture9* image = MakeTexture(kTexels, kTexels, [&](UINT x, UINT y) {
            const double along = c.vertical ? x : y;
            const double distance = kEdge - (along + 0.5);
            const double coverage = std::clamp(kEdge - along, 0.0, 1.0);
            const auto grey = static_cast<std::uint32_t>(std::lround(255.0 * coverage));
            return (std::uint32_t{EncodeDistance(distance)} << 24) | grey << 16 | grey << 8 | grey;
        });
        ASSERT_EQ(effect->SetTexture("baseTexture", image), D3D_OK);
        const double s = c.magnification;
        const double size = kTexels * s;
        const double screenEdge = FieldEdge();
        std::vector<std::pair<double, double>> samples;  // (pixel centre − edge, coverage)
        for (int step = 0; step < 10; ++step) {
            const double start = kScreenEdge + step / 10.0 - kEdge * s;  // along the axis
            const double across = -4 * s;                                // covers the target
            ClearTarget(0xFF000000);
            if (c.vertical)
                DrawPass(effect, kPassDistanceField, static_cast<float>(start),
                         static_cast<float>(across), static_cast<float>(start + size),
                         static_cast<float>(across + size));
            else
                DrawPass(effect, kPassDistanceField, static_cast<float>(across),
                         static_cast<float>(start), static_cast<float>(across + size),
                         static_cast<float>(start + size));
            const auto pixels = ReadBack();
            const double edge = start + screenEdge * s;
            for (int i = 20; i < 40; ++i) {
                const std::uint32_t p =
                    c.vertical ? Pixel(pixels, i, kHeight / 2) : Pixel(pixels, kWidth / 2, i);
                samples.emplace_back(i + 0.5 - edge, DecodeSrgb(p >> 16));
            }
        }
        std::sort(samples.begin(), samples.end());
        const double width = Crossing(samples, 0.1) - Crossing(samples, 0.9);
        const double position = Crossing(samples, 0.5);
        // A box-filtered straight edge across a pixel rises from 10% to 90% in 0.8 pixels.
        EXPECT_NEAR(width, 0.8, 0.15)
            << (c.vertical ? "vertical" : "horizontal") << " at " << s << "x";
        EXPECT_NEAR(position, 0.0, 0.05)
            << (c.vertical ? "vertical" : "horizontal") << " at " << s << "x";
    }
}

}  // namespace
}  // namespace effecttest
