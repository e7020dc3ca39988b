// A device test with the program's caption font at hand, and helpers to draw text and look at
// what was drawn.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/d3dx9/d3dx9.h"
#include "platform/d3dx9/d3dx9_font.h"
#include "tests/support/DeviceFixture.h"

namespace d3dx9test {

constexpr D3DCOLOR kBackground = 0xFF102030;
constexpr D3DCOLOR kLettering = 0xFF80E080;

class FontTest : public d3d9test::DeviceTest {
protected:
    void TearDown() override {
        if (m_font) {
            EXPECT_EQ(m_font->Release(), 0u);
        }
        m_font = nullptr;
        DeviceTest::TearDown();
    }

    // The font the program asks for first: "Meiryo", 24 pixels, bold.
    HRESULT CreateFont(ID3DXFont** font, INT height = 24, UINT weight = FW_BOLD,
                       LPCSTR face = "Meiryo", DWORD quality = CLEARTYPE_QUALITY) {
        return D3DXCreateFontA(m_device, height, 0, weight, 1, FALSE, DEFAULT_CHARSET,
                               OUT_DEFAULT_PRECIS, quality, DEFAULT_PITCH | FF_SWISS, face, font);
    }
    void UseCaptionFont() { ASSERT_EQ(CreateFont(&m_font), D3D_OK); }

    void Clear(D3DCOLOR color = kBackground) {
        m_device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, color, 1.0f, 0);
    }
    // Draws text inside a scene from (x, y), the rectangle reaching to the target's corner.
    INT Draw(LPCSTR text, LONG x, LONG y, D3DCOLOR color, DWORD format = DT_NOCLIP,
             ID3DXFont* font = nullptr) {
        RECT rect{x, y, static_cast<LONG>(kWidth), static_cast<LONG>(kHeight)};
        return DrawIn(text, rect, color, format, font);
    }
    INT DrawIn(LPCSTR text, RECT rect, D3DCOLOR color, DWORD format, ID3DXFont* font = nullptr) {
        m_device->BeginScene();
        const INT height =
            (font ? font : m_font)->DrawTextA(nullptr, text, -1, &rect, format, color);
        m_device->EndScene();
        return height;
    }

    // Pixels of [x0, x1) × [y0, y1) that differ from the colour given.
    int CountOtherThan(const std::vector<std::uint32_t>& pixels, int x0, int y0, int x1, int y1,
                       std::uint32_t colour) const {
        int count = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) count += Pixel(pixels, x, y) != colour;
        return count;
    }
    int Count(const std::vector<std::uint32_t>& pixels, std::uint32_t colour) const {
        return static_cast<int>(kWidth * kHeight) -
               CountOtherThan(pixels, 0, 0, kWidth, kHeight, colour);
    }

    d3dx9::Font& Internals(ID3DXFont* font = nullptr) {
        return *static_cast<d3dx9::Font*>(font ? font : m_font);
    }

    ID3DXFont* m_font = nullptr;
};

}  // namespace d3dx9test
