// Direct3D 9's conventions, each shown by reading back what the device drew.
#include <cmath>

#include "tests/support/DeviceFixture.h"

namespace d3d9test {
namespace {

constexpr D3DCOLOR kBackground = 0xFF102030;

class DevicePixelTest : public DeviceTest {
protected:
    void Clear(D3DCOLOR color, float z = 1.0f) {
        ASSERT_EQ(m_device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, color, z, 0),
                  D3D_OK);
    }
    // Pixels of the rectangle [x0, x1) × [y0, y1) that do not have the colour expected.
    int CountOtherThan(const std::vector<std::uint32_t>& pixels, int x0, int y0, int x1, int y1,
                       std::uint32_t expected) {
        int other = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) other += Pixel(pixels, x, y) != expected;
        return other;
    }
    void DisableDepth() { m_device->SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE); }
};

TEST_F(DevicePixelTest, ClearFillsTheTargetWithTheArgbColour) {
    Clear(0xFF112233);
    const auto pixels = ReadBack();
    EXPECT_EQ(CountOtherThan(pixels, 0, 0, kWidth, kHeight, 0xFF112233u), 0);
}

TEST_F(DevicePixelTest, ClearHonoursTheScissorRectangleAndTheRectangleList) {
    Clear(kBackground);
    RECT scissor{8, 4, 24, 20};
    m_device->SetScissorRect(&scissor);
    m_device->SetRenderState(D3DRS_SCISSORTESTENABLE, TRUE);
    m_device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFFFF0000, 1.0f, 0);
    m_device->SetRenderState(D3DRS_SCISSORTESTENABLE, FALSE);
    const D3DRECT rect{30, 30, 34, 33};
    m_device->Clear(1, &rect, D3DCLEAR_TARGET, 0xFF00FF00, 1.0f, 0);
    const auto pixels = ReadBack();
    EXPECT_EQ(CountOtherThan(pixels, 8, 4, 24, 20, 0xFFFF0000u), 0);
    EXPECT_EQ(Pixel(pixels, 7, 4), kBackground);
    EXPECT_EQ(Pixel(pixels, 24, 19), kBackground);
    EXPECT_EQ(Pixel(pixels, 23, 20), kBackground);
    EXPECT_EQ(CountOtherThan(pixels, 30, 30, 34, 33, 0xFF00FF00u), 0);
    EXPECT_EQ(Pixel(pixels, 34, 30), kBackground);
    EXPECT_EQ(Pixel(pixels, 30, 33), kBackground);
}

// A rectangle whose corners are computed with the half-pixel shift covers exactly the pixels
// it names, and the vertex colour arrives as the ARGB value given.
TEST_F(DevicePixelTest, RectanglesCoverExactlyTheirPixelsInTheirArgbColour) {
    Clear(kBackground);
    DisableDepth();
    DrawRect(5, 7, 21, 13, 0.0f, 0xFF804020);
    DrawRect(-10, 40, 3, 60, 0.0f, 0xFF00FF00);  // partly outside the target
    const auto pixels = ReadBack();
    EXPECT_EQ(CountOtherThan(pixels, 5, 7, 21, 13, 0xFF804020u), 0);
    for (int x = 4; x <= 21; ++x) {
        EXPECT_EQ(Pixel(pixels, x, 6), kBackground) << x;
        EXPECT_EQ(Pixel(pixels, x, 13), kBackground) << x;
    }
    for (int y = 7; y < 13; ++y) {
        EXPECT_EQ(Pixel(pixels, 4, y), kBackground) << y;
        EXPECT_EQ(Pixel(pixels, 21, y), kBackground) << y;
    }
    EXPECT_EQ(CountOtherThan(pixels, 0, 40, 3, kHeight, 0xFF00FF00u), 0);
    EXPECT_EQ(Pixel(pixels, 3, 40), kBackground);
    EXPECT_EQ(Pixel(pixels, 0, 39), kBackground);
}

TEST_F(DevicePixelTest, ScissorRectangleExcludesItsRightAndBottomEdges) {
    Clear(kBackground);
    DisableDepth();
    RECT scissor{10, 20, 30, 40};
    m_device->SetScissorRect(&scissor);
    m_device->SetRenderState(D3DRS_SCISSORTESTENABLE, TRUE);
    DrawRect(0, 0, kWidth, kHeight, 0.0f, 0xFFFFFFFF);
    const auto pixels = ReadBack();
    EXPECT_EQ(CountOtherThan(pixels, 10, 20, 30, 40, 0xFFFFFFFFu), 0);
    EXPECT_EQ(Pixel(pixels, 9, 25), kBackground);
    EXPECT_EQ(Pixel(pixels, 30, 25), kBackground);
    EXPECT_EQ(Pixel(pixels, 15, 19), kBackground);
    EXPECT_EQ(Pixel(pixels, 15, 40), kBackground);
    EXPECT_EQ(CountOtherThan(pixels, 0, 0, kWidth, 20, kBackground), 0);
}

// At scale 1 and an integer position texel (i, j) lands on pixel (x + i, y + j), with point
// and with bilinear filtering alike.
TEST_F(DevicePixelTest, TextureAtScaleOneLandsTexelExact) {
    constexpr UINT kTexW = 32, kTexH = 16;
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(m_device->CreateTexture(kTexW, kTexH, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED,
                                      &texture, nullptr),
              D3D_OK);
    D3DLOCKED_RECT locked{};
    ASSERT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3D_OK);
    auto texel = [](UINT i, UINT j) -> std::uint32_t {
        return 0xFF000000u | ((i * 7) << 16) | ((j * 13) << 8) | ((i + j) * 3);
    };
    for (UINT j = 0; j < kTexH; ++j)
        for (UINT i = 0; i < kTexW; ++i)
            *reinterpret_cast<std::uint32_t*>(static_cast<BYTE*>(locked.pBits) + j * locked.Pitch +
                                              i * 4) = texel(i, j);
    ASSERT_EQ(texture->UnlockRect(0), D3D_OK);

    for (DWORD filter : {D3DTEXF_POINT, D3DTEXF_LINEAR}) {
        SCOPED_TRACE(filter);
        Clear(kBackground);
        DisableDepth();
        UseProgram(Output::Texture);
        m_device->SetTexture(0, texture);
        m_device->SetSamplerState(0, D3DSAMP_MINFILTER, filter);
        m_device->SetSamplerState(0, D3DSAMP_MAGFILTER, filter);
        m_device->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP);
        m_device->SetSamplerState(0, D3DSAMP_ADDRESSV, D3DTADDRESS_CLAMP);
        DrawRect(9, 11, 9 + kTexW, 11 + kTexH, 0.0f, 0xFFFFFFFF);
        const auto pixels = ReadBack();
        int wrong = 0;
        for (UINT j = 0; j < kTexH; ++j)
            for (UINT i = 0; i < kTexW; ++i)
                wrong +=
                    Pixel(pixels, 9 + static_cast<int>(i), 11 + static_cast<int>(j)) != texel(i, j);
        EXPECT_EQ(wrong, 0);
        EXPECT_EQ(Pixel(pixels, 8, 11), kBackground);
        EXPECT_EQ(Pixel(pixels, 9 + kTexW, 11), kBackground);
        EXPECT_EQ(Pixel(pixels, 9, 10), kBackground);
        EXPECT_EQ(Pixel(pixels, 9, 11 + kTexH), kBackground);
    }
    m_device->SetTexture(0, nullptr);
    texture->Release();
}

TEST_F(DevicePixelTest, BlendsBySourceAlphaAndInverseSourceAlpha) {
    Clear(0xFF0000FF);
    DisableDepth();
    m_device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    m_device->SetRenderState(D3DRS_BLENDOP, D3DBLENDOP_ADD);
    m_device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    m_device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    DrawRect(0, 0, 16, 16, 0.0f, 0x40FF0000);  // red at alpha 64
    const std::uint32_t blended = ReadBack()[0];
    const auto channel = [&](int shift) { return static_cast<int>((blended >> shift) & 0xFF); };
    EXPECT_NEAR(channel(16), 64, 1);  // 255 × 64/255
    EXPECT_EQ(channel(8), 0);
    EXPECT_NEAR(channel(0), 191, 1);  // 255 × (1 − 64/255)
}

TEST_F(DevicePixelTest, DepthTestWithWritesOffLeavesTheClearedDepth) {
    m_device->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
    m_device->SetRenderState(D3DRS_ZWRITEENABLE, FALSE);
    Clear(kBackground, 0.5f);
    DrawRect(0, 0, 8, 8, 0.7f, 0xFFFF0000);    // behind: rejected
    DrawRect(8, 0, 16, 8, 0.3f, 0xFF00FF00);   // in front: drawn, depth not written
    DrawRect(8, 0, 16, 8, 0.4f, 0xFF0000FF);   // still in front of the cleared 0.5
    DrawRect(16, 0, 24, 8, 0.5f, 0xFFFFFFFF);  // equal passes: less-or-equal by default
    auto pixels = ReadBack();
    EXPECT_EQ(Pixel(pixels, 2, 2), kBackground);
    EXPECT_EQ(Pixel(pixels, 10, 2), 0xFF0000FFu);
    EXPECT_EQ(Pixel(pixels, 18, 2), 0xFFFFFFFFu);

    // With writes on, the nearer quad hides a later, farther one.
    m_device->SetRenderState(D3DRS_ZWRITEENABLE, TRUE);
    Clear(kBackground, 0.5f);
    DrawRect(8, 0, 16, 8, 0.3f, 0xFF00FF00);
    DrawRect(8, 0, 16, 8, 0.4f, 0xFF0000FF);
    pixels = ReadBack();
    EXPECT_EQ(Pixel(pixels, 10, 2), 0xFF00FF00u);
}

// Depth runs from 0 to 1 in clip space: 0 is kept at the near plane, 1 at the far plane.
TEST_F(DevicePixelTest, ClipSpaceDepthRunsFromZeroToOne) {
    m_device->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
    Clear(kBackground, 1.0f);
    DrawRect(0, 0, 8, 8, 0.0f, 0xFFFF0000);    // at the near plane: drawn
    DrawRect(8, 0, 16, 8, -0.1f, 0xFFFF0000);  // in front of it: clipped
    DrawRect(16, 0, 24, 8, 0.999f, 0xFFFF0000);
    const auto pixels = ReadBack();
    EXPECT_EQ(Pixel(pixels, 2, 2), 0xFFFF0000u);
    EXPECT_EQ(Pixel(pixels, 10, 2), kBackground);
    EXPECT_EQ(Pixel(pixels, 18, 2), 0xFFFF0000u);
}

// The default cull mode removes triangles that run counter-clockwise on the screen.
TEST_F(DevicePixelTest, CullModesFollowTheWindingOnTheScreen) {
    DisableDepth();
    Vertex quad[4];
    QuadVertices(0, 0, 16, 16, 0.0f, 0xFFFFFFFF, kWidth, kHeight, quad);
    // Top-left, top-right, bottom-left runs clockwise on the screen (y down).
    const Vertex clockwise[3] = {quad[0], quad[1], quad[2]};
    const Vertex counterClockwise[3] = {quad[0], quad[2], quad[1]};
    struct Case {
        DWORD cull;
        bool clockwiseDrawn;
        bool counterClockwiseDrawn;
    };
    for (const Case c : {Case{D3DCULL_CCW, true, false}, Case{D3DCULL_CW, false, true},
                         Case{D3DCULL_NONE, true, true}}) {
        SCOPED_TRACE(c.cull);
        m_device->SetRenderState(D3DRS_CULLMODE, c.cull);
        Clear(kBackground);
        m_device->BeginScene();
        m_device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, clockwise, sizeof(Vertex));
        m_device->EndScene();
        EXPECT_EQ(ReadBack()[2 * kWidth + 2] != kBackground, c.clockwiseDrawn);
        Clear(kBackground);
        m_device->BeginScene();
        m_device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, counterClockwise, sizeof(Vertex));
        m_device->EndScene();
        EXPECT_EQ(ReadBack()[2 * kWidth + 2] != kBackground, c.counterClockwiseDrawn);
    }
}

TEST_F(DevicePixelTest, AlphaTestComparesTheOutputAlphaWithTheReference) {
    Clear(kBackground);
    DisableDepth();
    m_device->SetRenderState(D3DRS_ALPHATESTENABLE, TRUE);
    m_device->SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL);
    m_device->SetRenderState(D3DRS_ALPHAREF, 128);
    DrawRect(0, 0, 8, 8, 0.0f, 0x7FFF0000);   // 127: discarded
    DrawRect(8, 0, 16, 8, 0.0f, 0x80FF0000);  // 128: kept
    m_device->SetRenderState(D3DRS_ALPHATESTENABLE, FALSE);
    DrawRect(16, 0, 24, 8, 0.0f, 0x10FF0000);  // test off: kept
    const auto pixels = ReadBack();
    EXPECT_EQ(Pixel(pixels, 2, 2), kBackground);
    EXPECT_EQ(Pixel(pixels, 10, 2), 0x80FF0000u);
    EXPECT_EQ(Pixel(pixels, 18, 2), 0x10FF0000u);
}

TEST_F(DevicePixelTest, RenderStatesStartAtTheirDefaults) {
    struct Case {
        D3DRENDERSTATETYPE state;
        DWORD value;
    };
    for (const Case c : {Case{D3DRS_ZENABLE, D3DZB_TRUE}, Case{D3DRS_ZFUNC, D3DCMP_LESSEQUAL},
                         Case{D3DRS_ZWRITEENABLE, TRUE}, Case{D3DRS_CULLMODE, D3DCULL_CCW},
                         Case{D3DRS_ALPHABLENDENABLE, FALSE}, Case{D3DRS_SRCBLEND, D3DBLEND_ONE},
                         Case{D3DRS_DESTBLEND, D3DBLEND_ZERO}, Case{D3DRS_BLENDOP, D3DBLENDOP_ADD},
                         Case{D3DRS_SCISSORTESTENABLE, FALSE}, Case{D3DRS_ALPHAFUNC, D3DCMP_ALWAYS},
                         Case{D3DRS_LIGHTING, TRUE}, Case{D3DRS_COLORWRITEENABLE, 0xF}}) {
        DWORD value = 0xDEADBEEF;
        EXPECT_EQ(m_device->GetRenderState(c.state, &value), D3D_OK);
        EXPECT_EQ(value, c.value) << "state " << c.state;
    }
    DWORD filter = 0;
    m_device->GetSamplerState(0, D3DSAMP_MAGFILTER, &filter);
    EXPECT_EQ(filter, static_cast<DWORD>(D3DTEXF_POINT));
    RECT scissor{};
    m_device->GetScissorRect(&scissor);
    EXPECT_EQ(scissor.right, static_cast<LONG>(kWidth));
    EXPECT_EQ(scissor.bottom, static_cast<LONG>(kHeight));
}

TEST_F(DevicePixelTest, ColourWriteMaskKeepsTheMaskedChannels) {
    Clear(0xFF102030);
    DisableDepth();
    m_device->SetRenderState(D3DRS_COLORWRITEENABLE, 0x1 | 0x8);  // red and alpha
    DrawRect(0, 0, 8, 8, 0.0f, 0xFFFFFFFF);
    EXPECT_EQ(ReadBack()[0], 0xFFFF2030u);
}

TEST_F(DevicePixelTest, ConstantUniformReachesTheShader) {
    Clear(kBackground);
    DisableDepth();
    const float constant[4] = {1.0f, 0.5f, 0.0f, 1.0f};
    UseProgram(Output::Constant, constant);
    DrawRect(0, 0, 8, 8, 0.0f, 0xFFFFFFFF);
    const std::uint32_t pixel = ReadBack()[0];
    EXPECT_EQ(pixel >> 16 & 0xFF, 255u);
    EXPECT_NEAR(static_cast<int>(pixel >> 8 & 0xFF), 128, 1);
    EXPECT_EQ(pixel & 0xFF, 0u);
}

}  // namespace
}  // namespace d3d9test
