// One frame of the comparison: three panels at a common, pulsing magnification, their
// captions, and the logo.
#include <cstdint>

#include "game/Game.h"
#include "game/GameTexts.h"
#include "game/Magnification.h"
#include "game/Matrices.h"
#include "game/TexturedQuad.h"
#include "render/EffectPasses.h"
#include "render/Render.h"

std::uint32_t g_frameCount = 0;

namespace {

struct Panel {
    RECT scissor;
    float anchorX;
    float anchorY;
    UINT pass;
    LONG captionX;
    LONG captionY;
    D3DCOLOR captionColor;
};

constexpr Panel kPanels[3] = {
    {{0, 0, 341, 320}, 170.0f, 160.0f, PASS_BILINEAR, 4, 4, 0xFF80E080},
    {{341, 0, 682, 320}, 512.0f, 160.0f, PASS_ALPHA_TEST, 345, 4, 0xFF80E080},
    {{682, 0, 1024, 320}, 853.0f, 160.0f, PASS_DISTANCE_FIELD, 686, 4, 0xFFE06060},
};

// Each caption is drawn six times: a soft shadow, a one-pixel black outline, the lettering.
struct CaptionCopy {
    LONG dx;
    LONG dy;
    D3DCOLOR color;  // 0 for the panel's own colour
};

constexpr CaptionCopy kCaptionCopies[6] = {
    {+2, +2, 0x40000000}, {-1, 0, 0xFF000000}, {+1, 0, 0xFF000000},
    {0, -1, 0xFF000000},  {0, +1, 0xFF000000}, {0, 0, 0},
};

constexpr D3DCOLOR kClearColor = 0xFF404040;

}  // namespace

bool Game::Draw() {
    IDirect3DDevice9* device = g_render.m_device;
    ID3DXEffect* effect = g_render.m_effect;
    UINT passes = 0;

    device->BeginScene();
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    effect->SetTechnique("TStandard");
    effect->Begin(&passes, D3DXFX_DONOTSAVESTATE);
    device->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
    device->SetRenderState(D3DRS_ZWRITEENABLE, FALSE);
    device->SetRenderState(D3DRS_BLENDOP, D3DBLENDOP_ADD);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);

    SetupMatrices();
    UnbindTextures();

    // Binding the back buffer also makes the viewport the whole of it, which the quads rely
    // on; the swap chain keeps the surface, so the reference fetching added goes at once.
    IDirect3DSurface9* backBuffer = nullptr;
    device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer);
    device->SetRenderTarget(0, backBuffer);
    if (backBuffer) backBuffer->Release();
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, kClearColor, 1.0f, 0);
    device->SetVertexDeclaration(m_vertexDecl);

    ++g_frameCount;
    const float s = MagnificationForFrame(g_frameCount);

    device->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
    device->SetRenderState(D3DRS_SCISSORTESTENABLE, TRUE);
    effect->SetFloat(effect->GetParameterByName(nullptr, "gScale"), s + 8.0f);

    // The image point 32 texels in from the left and top stays on each panel's anchor.
    for (const Panel& panel : kPanels) {
        device->SetScissorRect(&panel.scissor);
        // Without the texture of image.tga there is nothing to draw in the panel.
        if (g_baseTexture)
            DrawTexturedQuad(g_baseTexture, panel.anchorX - 32.0f * s, panel.anchorY - 32.0f * s, s,
                             panel.pass);
    }
    const RECT full{0, 0, 1024, 320};
    device->SetScissorRect(&full);
    effect->End();

    // Without a font the captions are left out.
    if (g_font) {
        for (int i = 0; i < 3; ++i) {
            const Panel& panel = kPanels[i];
            for (const CaptionCopy& copy : kCaptionCopies) {
                RECT rect{panel.captionX + copy.dx, panel.captionY + copy.dy, 1024, 320};
                g_font->DrawTextA(nullptr, kPanelCaptions[i], -1, &rect, DT_NOCLIP,
                                  copy.color ? copy.color : panel.captionColor);
            }
        }
    }

    effect->Begin(&passes, D3DXFX_DONOTSAVESTATE);
    device->SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE);
    device->SetRenderState(D3DRS_ZWRITEENABLE, FALSE);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device->SetRenderState(D3DRS_BLENDOP, D3DBLENDOP_ADD);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    DrawTexturedQuad(m_logoTexture, static_cast<float>(g_screenWidth - 448u),
                     static_cast<float>(g_screenHeight - 128u), 1.0f, PASS_OVERLAY);
    effect->End();
    device->EndScene();
    return true;
}
