#include "tests/platform/d3dx9/EffectTestSupport.h"

#include <cmath>

#include "assets/DescrambleAsset.h"
#include "assets/EmbeddedAssets.h"
#include "platform/crt/aligned_memory.h"

namespace effecttest {

std::string EmbeddedEffectText() {
    unsigned char* plain = DescrambleAsset(kEffectAsset, kEffectAssetSize);
    if (!plain) return std::string();
    std::string text(reinterpret_cast<const char*>(plain), kEffectAssetSize);
    AlignedFree(plain);
    return text;
}

std::string TakeText(ID3DXBuffer* buffer) {
    if (!buffer) return std::string();
    std::string text(static_cast<const char*>(buffer->GetBufferPointer()));
    EXPECT_EQ(buffer->GetBufferSize(), text.size() + 1) << "the text ends with its terminator";
    buffer->Release();
    return text;
}

double DecodeSrgb(std::uint32_t value) {
    const double c = (value & 0xFF) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

void EffectTest::TearDown() {
    for (ID3DXEffect* effect : m_effects) EXPECT_EQ(effect->Release(), 0u);
    m_effects.clear();
    for (IDirect3DTexture9* texture : m_textures) texture->Release();
    m_textures.clear();
    d3d9test::DeviceTest::TearDown();
}

HRESULT EffectTest::Create(const std::string& text, ID3DXEffect** effect, std::string* errors) {
    ID3DXBuffer* buffer = nullptr;
    const HRESULT hr =
        D3DXCreateEffect(m_device, text.data(), static_cast<UINT>(text.size()), nullptr, nullptr,
                         D3DXSHADER_SKIPVALIDATION, nullptr, effect, &buffer);
    *errors = TakeText(buffer);
    return hr;
}

ID3DXEffect* EffectTest::Create(const std::string& text) {
    ID3DXEffect* effect = nullptr;
    std::string errors;
    const HRESULT hr = Create(text, &effect, &errors);
    EXPECT_EQ(hr, D3D_OK) << errors;
    if (effect) m_effects.push_back(effect);
    return effect;
}

IDirect3DTexture9* EffectTest::MakeTexture(UINT width, UINT height,
                                           const std::function<std::uint32_t(UINT, UINT)>& colour) {
    IDirect3DTexture9* texture = nullptr;
    EXPECT_EQ(m_device->CreateTexture(width, height, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED,
                                      &texture, nullptr),
              D3D_OK);
    if (!texture) return nullptr;
    D3DLOCKED_RECT locked{};
    EXPECT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3D_OK);
    for (UINT y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(static_cast<BYTE*>(locked.pBits) +
                                                     static_cast<size_t>(y) * locked.Pitch);
        for (UINT x = 0; x < width; ++x) row[x] = colour(x, y);  // B, G, R, A in memory
    }
    texture->UnlockRect(0);
    m_textures.push_back(texture);
    return texture;
}

void EffectTest::ClearTarget(D3DCOLOR colour) {
    m_device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, colour, 1.0f, 0);
}

void EffectTest::DrawPass(ID3DXEffect* effect, UINT pass, float x0, float y0, float x1, float y1,
                          DWORD beginFlags) {
    d3d9test::Vertex quad[4];
    d3d9test::QuadVertices(x0, y0, x1, y1, 0.0f, 0xFFFFFFFF, kWidth, kHeight, quad);
    m_device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    m_device->BeginScene();
    UINT passes = 0;
    EXPECT_EQ(effect->Begin(&passes, beginFlags), D3D_OK);
    EXPECT_EQ(effect->BeginPass(pass), D3D_OK);
    EXPECT_EQ(m_device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof quad[0]), D3D_OK);
    EXPECT_EQ(effect->EndPass(), D3D_OK);
    EXPECT_EQ(effect->End(), D3D_OK);
    m_device->EndScene();
}

}  // namespace effecttest
