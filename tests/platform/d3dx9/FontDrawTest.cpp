// What ID3DXFont::DrawTextA puts on the target, read back: colours, blending, whole-pixel
// placement, lines, clipping and the scissor rectangle. Compiled with code page 932 as the
// execution character set, so the literals are the bytes the program hands over.
#include <cstdlib>

#include "tests/platform/d3dx9/FontFixture.h"

namespace d3dx9test {
namespace {

constexpr const char* kSquare = "■";  // a glyph with a large solid interior

std::uint32_t Channel(std::uint32_t colour, int shift) {
    return (colour >> shift) & 0xFF;
}

// Whether every channel of colour lies between those of a and b.
bool Between(std::uint32_t colour, std::uint32_t a, std::uint32_t b) {
    for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t c = Channel(colour, shift),
                            lo = std::min(Channel(a, shift), Channel(b, shift)),
                            hi = std::max(Channel(a, shift), Channel(b, shift));
        if (c < lo || c > hi) return false;
    }
    return true;
}

TEST_F(FontTest, SolidGlyphPixelsTakeExactlyTheTextColour) {
    UseCaptionFont();
    Clear();
    EXPECT_EQ(Draw(kSquare, 8, 8, kLettering), 24);
    const auto pixels = ReadBack();
    EXPECT_GT(Count(pixels, kLettering), 100);
    for (int y = 0; y < static_cast<int>(kHeight); ++y)
        for (int x = 0; x < static_cast<int>(kWidth); ++x)
            ASSERT_TRUE(Between(Pixel(pixels, x, y), kBackground, kLettering))
                << std::hex << Pixel(pixels, x, y) << " at " << std::dec << x << ", " << y;
}

TEST_F(FontTest, TranslucentBlackBlendsOverWhatIsThereAndKeepsItOpaque) {
    UseCaptionFont();
    Clear();
    Draw(kSquare, 8, 8, 0x40000000);
    const auto pixels = ReadBack();
    // Where the glyph is solid: background × (1 − 64/255), and the target's alpha stays 1.
    auto blended = [](std::uint32_t c) { return (c * (255 - 64) + 127) / 255; };
    int solid = 0;
    for (int y = 0; y < static_cast<int>(kHeight); ++y) {
        for (int x = 0; x < static_cast<int>(kWidth); ++x) {
            const std::uint32_t p = Pixel(pixels, x, y);
            EXPECT_EQ(p >> 24, 0xFFu);
            if (p == kBackground) continue;
            if (Channel(p, 16) > blended(0x10) + 1) continue;  // an edge, partly covered
            ++solid;
            EXPECT_NEAR(Channel(p, 16), blended(0x10), 1.0);
            EXPECT_NEAR(Channel(p, 8), blended(0x20), 1.0);
            EXPECT_NEAR(Channel(p, 0), blended(0x30), 1.0);
        }
    }
    EXPECT_GT(solid, 100);
}

// The outline copies of a caption are drawn one pixel apart: each is the same image moved by
// exactly that much.
TEST_F(FontTest, CopiesDrawnApartAreTheSameImageShifted) {
    UseCaptionFont();
    const char* text = "Aあ補";
    Clear();
    Draw(text, 4, 10, kLettering);
    const auto reference = ReadBack();
    ASSERT_GT(CountOtherThan(reference, 0, 0, kWidth, kHeight, kBackground), 50);
    const struct { int dx, dy; } offsets[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {2, 2}};
    for (const auto& o : offsets) {
        SCOPED_TRACE(testing::Message() << "offset " << o.dx << ", " << o.dy);
        Clear();
        Draw(text, 4 + o.dx, 10 + o.dy, kLettering);
        const auto shifted = ReadBack();
        int differing = 0;
        for (int y = 2; y < static_cast<int>(kHeight) - 2; ++y)
            for (int x = 2; x < static_cast<int>(kWidth) - 2; ++x)
                differing += Pixel(shifted, x + o.dx, y + o.dy) != Pixel(reference, x, y);
        EXPECT_EQ(differing, 0);
    }
}

TEST_F(FontTest, LineFeedStartsTheNextLineOneLineHeightLower) {
    UseCaptionFont();
    Clear();
    EXPECT_EQ(Draw("A\nA", 4, 0, kLettering), 48);
    const auto pixels = ReadBack();
    ASSERT_GT(CountOtherThan(pixels, 0, 0, kWidth, 24, kBackground), 20);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < static_cast<int>(kWidth); ++x)
            ASSERT_EQ(Pixel(pixels, x, y + 24), Pixel(pixels, x, y)) << x << ", " << y;
    // Carriage return and line feed together make one break, as in a Windows text.
    Clear();
    EXPECT_EQ(Draw("A\r\nA", 4, 0, kLettering), 48);
    EXPECT_EQ(ReadBack(), pixels);
}

TEST_F(FontTest, NoClipDrawsBeyondTheRectangleAndClippingCutsAtIt) {
    UseCaptionFont();
    const RECT rect{6, 6, 14, 20};
    Clear();
    DrawIn("■■", rect, kLettering, DT_NOCLIP);
    auto pixels = ReadBack();
    EXPECT_GT(CountOtherThan(pixels, rect.right, 0, kWidth, kHeight, kBackground), 50);

    Clear();
    EXPECT_EQ(DrawIn("■■", rect, kLettering, DT_LEFT | DT_TOP), 24);
    pixels = ReadBack();
    EXPECT_GT(CountOtherThan(pixels, rect.left, rect.top, rect.right, rect.bottom, kBackground),
              10);
    const int all = CountOtherThan(pixels, 0, 0, kWidth, kHeight, kBackground);
    EXPECT_EQ(all,
              CountOtherThan(pixels, rect.left, rect.top, rect.right, rect.bottom, kBackground));
}

TEST_F(FontTest, ScissorRectangleInForceCutsTheText) {
    UseCaptionFont();
    Clear();
    const RECT scissor{0, 0, 20, static_cast<LONG>(kHeight)};
    m_device->SetScissorRect(&scissor);
    m_device->SetRenderState(D3DRS_SCISSORTESTENABLE, TRUE);
    Draw("■■■", 2, 4, kLettering);
    const auto pixels = ReadBack();
    EXPECT_GT(CountOtherThan(pixels, 0, 0, 20, kHeight, kBackground), 50);
    EXPECT_EQ(CountOtherThan(pixels, 20, 0, kWidth, kHeight, kBackground), 0);
    RECT after{};
    m_device->GetScissorRect(&after);
    EXPECT_EQ(after.right, 20);
    DWORD enabled = FALSE;
    m_device->GetRenderState(D3DRS_SCISSORTESTENABLE, &enabled);
    EXPECT_EQ(enabled, static_cast<DWORD>(TRUE));
}

TEST_F(FontTest, AlignmentFlagsPlaceTheTextInItsRectangle) {
    UseCaptionFont();
    RECT measured{0, 0, 0, 0};
    ASSERT_EQ(m_font->DrawTextA(nullptr, "■", -1, &measured, DT_CALCRECT, kLettering), 24);
    const LONG width = measured.right;
    ASSERT_GT(width, 10);
    EXPECT_EQ(measured.bottom, 24);

    Clear();
    Draw("■", 0, 0, kLettering);
    const auto left = ReadBack();
    struct Case {
        DWORD format;
        int dx, dy;
    };
    const Case cases[] = {
        {DT_RIGHT | DT_NOCLIP, static_cast<int>(kWidth) - width, 0},
        {DT_CENTER | DT_NOCLIP, (static_cast<int>(kWidth) - width) / 2, 0},
        {DT_BOTTOM | DT_SINGLELINE | DT_NOCLIP, 0, static_cast<int>(kHeight) - 24},
        {DT_VCENTER | DT_SINGLELINE | DT_NOCLIP, 0, (static_cast<int>(kHeight) - 24) / 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        Clear();
        DrawIn("■", RECT{0, 0, static_cast<LONG>(kWidth), static_cast<LONG>(kHeight)}, kLettering,
               c.format);
        const auto moved = ReadBack();
        int differing = 0;
        for (int y = 0; y + c.dy < static_cast<int>(kHeight); ++y)
            for (int x = 0; x + c.dx < static_cast<int>(kWidth); ++x)
                differing += Pixel(moved, x + c.dx, y + c.dy) != Pixel(left, x, y);
        EXPECT_EQ(differing, 0);
    }
}

TEST_F(FontTest, RefusedRequestsDrawNothing) {
    UseCaptionFont();
    Clear();
    RECT rect{0, 0, static_cast<LONG>(kWidth), static_cast<LONG>(kHeight)};
    auto* sprite = reinterpret_cast<ID3DXSprite*>(&rect);  // never used: sprites are refused
    m_device->BeginScene();
    EXPECT_EQ(m_font->DrawTextA(sprite, "A", -1, &rect, DT_NOCLIP, kLettering), 0);
    EXPECT_EQ(m_font->DrawTextA(nullptr, nullptr, -1, &rect, DT_NOCLIP, kLettering), 0);
    EXPECT_EQ(m_font->DrawTextA(nullptr, "A", -2, &rect, DT_NOCLIP, kLettering), 0);
    EXPECT_EQ(m_font->DrawTextA(nullptr, "A", -1, &rect, 0x10 /* word break */, kLettering), 0);
    EXPECT_EQ(m_font->DrawTextA(nullptr, "A", -1, &rect, 0x40 /* expand tabs */, kLettering), 0);
    EXPECT_EQ(m_font->DrawTextA(nullptr, "A", -1, nullptr, DT_CALCRECT, kLettering), 0);
    EXPECT_EQ(m_font->DrawTextA(nullptr, "", -1, &rect, DT_NOCLIP, kLettering), 0);
    // A count stops the text there; a text of nothing but blanks has a height and no pixels.
    EXPECT_EQ(m_font->DrawTextA(nullptr, "  \nAB", 2, &rect, DT_NOCLIP, kLettering), 24);
    m_device->EndScene();
    EXPECT_EQ(CountOtherThan(ReadBack(), 0, 0, kWidth, kHeight, kBackground), 0);
    // Outside a scene the device draws nothing, and the call says so.
    EXPECT_EQ(m_font->DrawTextA(nullptr, "A", -1, &rect, DT_NOCLIP, kLettering), 0);
}

TEST_F(FontTest, DrawingPutsBackEveryStateItChanged) {
    UseCaptionFont();
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(
        m_device->CreateTexture(4, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr),
        D3D_OK);
    // States a caller may leave that would spoil the text if the font kept them.
    const struct {
        D3DRENDERSTATETYPE state;
        DWORD value;
    } hostile[] = {
        {D3DRS_ALPHABLENDENABLE, FALSE},
        {D3DRS_SRCBLEND, D3DBLEND_ONE},
        {D3DRS_DESTBLEND, D3DBLEND_ZERO},
        {D3DRS_BLENDOP, D3DBLENDOP_MAX},
        {D3DRS_ALPHATESTENABLE, TRUE},
        {D3DRS_ALPHAFUNC, D3DCMP_GREATER},
        {D3DRS_ALPHAREF, 250},
        {D3DRS_ZENABLE, D3DZB_TRUE},
        {D3DRS_ZFUNC, D3DCMP_NEVER},
        {D3DRS_ZWRITEENABLE, TRUE},
        {D3DRS_CULLMODE, D3DCULL_CW},
        {D3DRS_SEPARATEALPHABLENDENABLE, TRUE},
        {D3DRS_SRCBLENDALPHA, D3DBLEND_ZERO},
        {D3DRS_COLORWRITEENABLE, 0x7},
    };
    for (const auto& s : hostile) m_device->SetRenderState(s.state, s.value);
    m_device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    m_device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    m_device->SetSamplerState(0, D3DSAMP_ADDRESSU, D3DTADDRESS_MIRROR);
    m_device->SetSamplerState(0, D3DSAMP_MAXMIPLEVEL, 3);
    m_device->SetTexture(0, texture);
    D3DVIEWPORT9 viewport{2, 2, kWidth - 4, kHeight - 4, 0.0f, 1.0f};
    m_device->SetViewport(&viewport);

    DWORD renderStates[kD3DRenderStateCount];
    for (DWORD s = 0; s < kD3DRenderStateCount; ++s)
        m_device->GetRenderState(static_cast<D3DRENDERSTATETYPE>(s), &renderStates[s]);
    DWORD samplerStates[kD3DSamplerStateCount] = {};
    for (DWORD s = 1; s < kD3DSamplerStateCount; ++s)
        m_device->GetSamplerState(0, static_cast<D3DSAMPLERSTATETYPE>(s), &samplerStates[s]);

    Clear();
    EXPECT_EQ(Draw(kSquare, 8, 8, kLettering), 24);
    // The text still shows in its colour, the caller's states notwithstanding.
    EXPECT_GT(Count(ReadBack(), kLettering), 100);

    for (DWORD s = 0; s < kD3DRenderStateCount; ++s) {
        DWORD value = 0;
        m_device->GetRenderState(static_cast<D3DRENDERSTATETYPE>(s), &value);
        EXPECT_EQ(value, renderStates[s]) << "render state " << s;
    }
    for (DWORD s = 1; s < kD3DSamplerStateCount; ++s) {
        DWORD value = 0;
        m_device->GetSamplerState(0, static_cast<D3DSAMPLERSTATETYPE>(s), &value);
        EXPECT_EQ(value, samplerStates[s]) << "sampler state " << s;
    }
    IDirect3DBaseTexture9* bound = nullptr;
    m_device->GetTexture(0, &bound);
    EXPECT_EQ(bound, static_cast<IDirect3DBaseTexture9*>(texture));
    if (bound) bound->Release();
    IDirect3DVertexDeclaration9* declaration = nullptr;
    m_device->GetVertexDeclaration(&declaration);
    EXPECT_EQ(declaration, m_declaration);
    if (declaration) declaration->Release();
    IDirect3DShaderProgram9Gl* program = nullptr;
    m_gl->GetShaderProgram(&program);
    EXPECT_EQ(program, m_program);
    if (program) program->Release();
    D3DVIEWPORT9 after{};
    m_device->GetViewport(&after);
    EXPECT_EQ(after.X, 2u);
    EXPECT_EQ(after.Width, kWidth - 4);

    m_device->SetTexture(0, nullptr);
    texture->Release();
}

TEST_F(FontTest, TextKeepsItsPixelsWithinAViewport) {
    UseCaptionFont();
    Clear();
    Draw(kSquare, 10, 12, kLettering);
    const auto whole = ReadBack();
    // The text is placed in the target's pixels, wherever the viewport lies.
    D3DVIEWPORT9 viewport{8, 4, 40, 40, 0.0f, 1.0f};
    m_device->SetViewport(&viewport);
    Clear();
    m_device->SetViewport(&viewport);
    Draw(kSquare, 10, 12, kLettering);
    const auto inViewport = ReadBack();
    for (int y = 4; y < 44; ++y)
        for (int x = 8; x < 48; ++x)
            ASSERT_EQ(Pixel(inViewport, x, y), Pixel(whole, x, y)) << x << ", " << y;
}

}  // namespace
}  // namespace d3dx9test
