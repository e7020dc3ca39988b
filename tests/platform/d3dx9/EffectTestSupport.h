// What the effect tests share: a device test that makes effects from text, draws the fixture's
// quads through their passes, makes small textures, and reads the real embedded effect.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/d3dx9/d3dx9.h"
#include "tests/support/DeviceFixture.h"

namespace effecttest {

// The program's embedded effect, unscrambled.
std::string EmbeddedEffectText();

// The error buffer's text, or "" without one; the buffer is released.
std::string TakeText(ID3DXBuffer* buffer);

// 0..1 from an sRGB-encoded 8-bit value.
double DecodeSrgb(std::uint32_t value);

class EffectTest : public d3d9test::DeviceTest {
protected:
    void TearDown() override;

    // Creates an effect from text as the program does (flags D3DXSHADER_SKIPVALIDATION); the
    // effect is released at the end of the test. Null, with the reason, on failure.
    ID3DXEffect* Create(const std::string& text);
    HRESULT Create(const std::string& text, ID3DXEffect** effect, std::string* errors);

    // An A8R8G8B8 texture whose texel (x, y) is colour(x, y), 0xAARRGGBB; released at the end
    // of the test.
    IDirect3DTexture9* MakeTexture(UINT width, UINT height,
                                   const std::function<std::uint32_t(UINT, UINT)>& colour);

    // Clears the target (colour) and depth, then draws the pixel rectangle [x0, x1) × [y0, y1)
    // through one pass of the effect's current technique.
    void DrawPass(ID3DXEffect* effect, UINT pass, float x0, float y0, float x1, float y1,
                  DWORD beginFlags = D3DXFX_DONOTSAVESTATE);
    void ClearTarget(D3DCOLOR colour);

    std::vector<ID3DXEffect*> m_effects;
    std::vector<IDirect3DTexture9*> m_textures;
};

}  // namespace effecttest
