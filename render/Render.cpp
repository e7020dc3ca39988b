#include "render/Render.h"

#include <cstdio>
#include <cstring>

#include "assets/DescrambleAsset.h"
#include "assets/EmbeddedAssets.h"
#include "platform/crt/aligned_memory.h"
#include "render/RenderTexts.h"

HMODULE g_d3d9Module = nullptr;
UINT g_screenWidth = 0;
UINT g_screenHeight = 0;

namespace {

// Room for the longest message the shader-model refusal can make: the format, a description
// of 511 characters, and two versions of up to three digits each.
char s_shaderModelMessage[kShaderModelFormatCapacity + MAX_DEVICE_IDENTIFIER_STRING + 6];

}  // namespace

Render::~Render() {
    Finalize();
}

bool Render::Initialize(UINT width, UINT height, HWND window, bool windowed) {
    // 1. The size is recorded before anything can fail.
    g_screenWidth = width;
    g_screenHeight = height;

    // 2–4. The Direct3D 9 runtime, loaded at run time, and its Direct3D object.
    g_d3d9Module = LoadLibraryA("d3d9.dll");
    if (!g_d3d9Module) return false;
    // A module without the entry point cannot make a Direct3D object: the same failure as
    // one whose entry point gives none.
    auto create = reinterpret_cast<PFN_Direct3DCreate9>(
        reinterpret_cast<void (*)()>(GetProcAddress(g_d3d9Module, kDirect3DCreate9Name)));
    m_d3d = create ? create(D3D_SDK_VERSION) : nullptr;
    if (!m_d3d) {
        MessageBoxA(window, kDirect3DInitFailedText, kErrorCaption, MB_OK);
        return false;
    }

    // 5–6. Hardware below vertex shader 2.0 is refused with an explanation. A record the
    // runtime did not fill reads as version 0.0 and an empty description.
    D3DCAPS9 caps{};
    m_d3d->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, &caps);
    if (caps.VertexShaderVersion < D3DVS_VERSION(2, 0)) {
        D3DADAPTER_IDENTIFIER9 identifier{};
        m_d3d->GetAdapterIdentifier(D3DADAPTER_DEFAULT, 0, &identifier);
        identifier.Description[MAX_DEVICE_IDENTIFIER_STRING - 1] = '\0';
        std::snprintf(s_shaderModelMessage, sizeof s_shaderModelMessage, kShaderModelFormat,
                      identifier.Description,
                      static_cast<int>((caps.VertexShaderVersion >> 8) & 0xFF),
                      static_cast<int>(caps.VertexShaderVersion & 0xFF));
        MessageBoxA(window, s_shaderModelMessage, kErrorCaption, MB_OK);
        return false;
    }

    // 7. The presentation parameters.
    D3DPRESENT_PARAMETERS parameters;
    std::memset(&parameters, 0, sizeof parameters);
    parameters.BackBufferWidth = width;
    parameters.BackBufferHeight = height;
    parameters.BackBufferFormat = D3DFMT_A8R8G8B8;
    parameters.BackBufferCount = 2;
    parameters.MultiSampleType = D3DMULTISAMPLE_NONE;
    parameters.MultiSampleQuality = 0;
    parameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
    parameters.hDeviceWindow = nullptr;
    parameters.Windowed = windowed ? TRUE : FALSE;
    parameters.EnableAutoDepthStencil = TRUE;
    parameters.AutoDepthStencilFormat = D3DFMT_D16;
    parameters.Flags = 0;
    parameters.FullScreen_RefreshRateInHz = 0;
    parameters.PresentationInterval = D3DPRESENT_INTERVAL_ONE;

    // 8–9. The device, with exactly one identical retry.
    if (m_d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window,
                            D3DCREATE_HARDWARE_VERTEXPROCESSING, &parameters,
                            &m_device) != D3D_OK &&
        m_d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window,
                            D3DCREATE_HARDWARE_VERTEXPROCESSING, &parameters,
                            &m_device) != D3D_OK) {
        MessageBoxA(window, kDeviceInitFailedText, kErrorCaption, MB_OK);
        return false;
    }

    // 10. Start-up render states.
    m_device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    m_device->SetRenderState(D3DRS_LIGHTING, FALSE);
    m_device->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);

    // 11. No profiling by graphics debugging tools.
    D3DPERF_SetOptions(1);

    // 13–14. The embedded effect, unscrambled into a buffer of its own and created from it.
    // A buffer that cannot be had fails like a creation that brings no error text.
    unsigned char* effectText = DescrambleAsset(kEffectAsset, kEffectAssetSize);
    if (!effectText) return false;
    ID3DXBuffer* errors = nullptr;
    const HRESULT created =
        D3DXCreateEffect(m_device, effectText, kEffectAssetSize, nullptr, nullptr,
                         D3DXSHADER_SKIPVALIDATION, nullptr, &m_effect, &errors);

    // 15. A failed creation shows what the effect layer had to say about it.
    if (created != D3D_OK) {
        if (errors) {
            MessageBoxA(window, static_cast<const char*>(errors->GetBufferPointer()),
                        kShaderCompileErrorCaption, MB_OK);
            errors->Release();
        }
        AlignedFree(effectText);
        return false;
    }

    // 16. The effect works from its own copy; warnings that came with success are dropped.
    if (errors) errors->Release();
    AlignedFree(effectText);
    return true;
}

void Render::Finalize() {
    if (m_effect) {
        m_effect->Release();
        m_effect = nullptr;
    }
    if (m_device) {
        m_device->Release();
        m_device = nullptr;
    }
    if (m_d3d) {
        m_d3d->Release();
        m_d3d = nullptr;
    }
    if (g_d3d9Module) {
        FreeLibrary(g_d3d9Module);
        g_d3d9Module = nullptr;
    }
}
