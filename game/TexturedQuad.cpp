#include "game/TexturedQuad.h"

#include "render/Render.h"

void FillQuadVertices(float x, float y, float scale, UINT texW, UINT texH, UINT targetW,
                      UINT targetH, QuadVertex quad[4]) {
    // In double precision, in this order of operations, each edge rounded once when stored.
    const double kx = 2.0 / static_cast<double>(targetW);
    const double ky = -2.0 / static_cast<double>(targetH);
    const double width = static_cast<double>(texW) * static_cast<double>(scale);
    const double height = static_cast<double>(texH) * static_cast<double>(scale);
    const auto left = static_cast<float>((static_cast<double>(x) - 0.5) * kx - 1.0);
    const auto right = static_cast<float>(((static_cast<double>(x) + width) - 0.5) * kx - 1.0);
    const auto top = static_cast<float>((static_cast<double>(y) - 0.5) * ky + 1.0);
    const auto bottom = static_cast<float>(((height + static_cast<double>(y)) - 0.5) * ky + 1.0);
    quad[0] = {left, top, 0.0f, 1.0f, 0xFFFFFFFF, 0.0f, 0.0f, 0, 0.0f, 0.0f};
    quad[1] = {right, top, 0.0f, 1.0f, 0xFFFFFFFF, 1.0f, 0.0f, 0, 0.0f, 0.0f};
    quad[2] = {left, bottom, 0.0f, 1.0f, 0xFFFFFFFF, 0.0f, 1.0f, 0, 0.0f, 0.0f};
    quad[3] = {right, bottom, 0.0f, 1.0f, 0xFFFFFFFF, 1.0f, 1.0f, 0, 0.0f, 0.0f};
}

void DrawTexturedQuad(IDirect3DTexture9* texture, float x, float y, float scale, UINT pass) {
    IDirect3DDevice9* device = g_render.m_device;
    ID3DXEffect* effect = g_render.m_effect;

    D3DSURFACE_DESC textureDesc{};
    texture->GetLevelDesc(0, &textureDesc);
    effect->SetTexture(effect->GetParameterByName(nullptr, "baseTexture"), texture);
    effect->BeginPass(pass);

    // The target's size is read on every call.
    D3DSURFACE_DESC targetDesc{};
    IDirect3DSurface9* target = nullptr;
    device->GetRenderTarget(0, &target);
    if (target) {
        target->GetDesc(&targetDesc);
        target->Release();
    }

    QuadVertex quad[4];
    FillQuadVertices(x, y, scale, textureDesc.Width, textureDesc.Height, targetDesc.Width,
                     targetDesc.Height, quad);
    device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(QuadVertex));
    effect->EndPass();
}

void UnbindTextures() {
    IDirect3DDevice9* device = g_render.m_device;
    for (DWORD stage = 0; stage < 16; ++stage) device->SetTexture(stage, nullptr);
    device->SetTexture(D3DVERTEXTEXTURESAMPLER0, nullptr);
    device->SetTexture(D3DVERTEXTEXTURESAMPLER1, nullptr);
    device->SetTexture(D3DVERTEXTEXTURESAMPLER2, nullptr);
    device->SetTexture(D3DVERTEXTEXTURESAMPLER3, nullptr);
}
