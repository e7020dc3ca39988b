#include "game/Game.h"

#include <cstdio>

#include "assets/DescrambleAsset.h"
#include "assets/EmbeddedAssets.h"
#include "game/GameTexts.h"
#include "game/QuadVertex.h"
#include "image/ImageTGA.h"
#include "platform/crt/aligned_memory.h"
#include "render/Render.h"

ID3DXFont* g_font = nullptr;
IDirect3DTexture9* g_baseTexture = nullptr;

Game::~Game() {}

bool Game::Initialize() {
    IDirect3DDevice9* device = g_render.m_device;

    // 1. The caption font; the second face is tried once when the first cannot be had, and
    //    neither attempt stops the start-up.
    if (D3DXCreateFontA(device, 24, 0, FW_BOLD, 1, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLEARTYPE_QUALITY, FF_SWISS | DEFAULT_PITCH, kFirstFontFace, &g_font) < 0) {
        D3DXCreateFontA(device, 24, 0, FW_NORMAL, 1, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLEARTYPE_QUALITY, FF_SWISS | DEFAULT_PITCH, kSecondFontFace, &g_font);
    }

    // 2. The declaration of the quad vertex.
    if (device->CreateVertexDeclaration(kQuadVertexElements, &m_vertexDecl) != D3D_OK) {
        MessageBoxA(nullptr, kVertexDeclarationFailedText, nullptr, MB_OK);
        return false;
    }

    // 3. image.tga must read completely with our own reader before start-up goes on; the
    //    pixels are not used. The local image gives its pixels back when it goes.
    ImageTGA image;
    std::FILE* file = std::fopen("image.tga", "rb");
    if (!file || !image.Load(file)) {
        MessageBoxA(nullptr, kTextureLoadFailedText, nullptr, MB_OK);
        return false;
    }

    // 4. The texture of the panels; its result is not examined.
    D3DXCreateTextureFromFileExA(device, "image.tga", D3DX_DEFAULT, D3DX_DEFAULT, 0, 0,
                                 D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, D3DX_FILTER_TRIANGLE,
                                 D3DX_FILTER_TRIANGLE, 0, nullptr, nullptr, &g_baseTexture);

    // 5. The logo from the embedded asset; the plain bytes live only until the texture has
    //    been made from them. A buffer that cannot be had fails like a texture that cannot be
    //    made.
    unsigned char* logo = DescrambleAsset(kLogoAsset, kLogoAssetSize);
    const HRESULT logoResult =
        logo ? D3DXCreateTextureFromFileInMemory(device, logo, kLogoAssetSize, &m_logoTexture)
             : E_OUTOFMEMORY;
    AlignedFree(logo);
    if (logoResult != D3D_OK) {
        MessageBoxA(nullptr, kTextureLoadFailedText, nullptr, MB_OK);
        return false;
    }
    return true;
}

void Game::Finalize() {
    if (g_font) {
        g_font->Release();
        g_font = nullptr;
    }
    if (g_baseTexture) {
        g_baseTexture->Release();
        g_baseTexture = nullptr;
    }
    if (m_logoTexture) {
        m_logoTexture->Release();
        m_logoTexture = nullptr;
    }
    if (m_vertexDecl) {
        m_vertexDecl->Release();
        m_vertexDecl = nullptr;
    }
}
