#include "tools/capture/BackBufferReadback.h"

bool ReadBackBuffer(IDirect3DDevice9* device, CapturedFrame* frame) {
    IDirect3DSurface9* target = nullptr;
    IDirect3DSurface9* copy = nullptr;
    D3DSURFACE_DESC desc{};
    bool ok = device->GetRenderTarget(0, &target) == D3D_OK && target->GetDesc(&desc) == D3D_OK &&
              device->CreateOffscreenPlainSurface(desc.Width, desc.Height, desc.Format,
                                                  D3DPOOL_SYSTEMMEM, &copy, nullptr) == D3D_OK &&
              device->GetRenderTargetData(target, copy) == D3D_OK;
    D3DLOCKED_RECT locked{};
    if (ok && copy->LockRect(&locked, nullptr, D3DLOCK_READONLY) == D3D_OK) {
        frame->width = desc.Width;
        frame->height = desc.Height;
        frame->rgba.resize(static_cast<size_t>(desc.Width) * desc.Height * 4);
        for (UINT y = 0; y < desc.Height; ++y) {
            const BYTE* row = static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch;
            std::uint8_t* out = &frame->rgba[static_cast<size_t>(y) * desc.Width * 4];
            for (UINT x = 0; x < desc.Width; ++x) {  // B, G, R, A to R, G, B, A
                out[x * 4 + 0] = row[x * 4 + 2];
                out[x * 4 + 1] = row[x * 4 + 1];
                out[x * 4 + 2] = row[x * 4 + 0];
                out[x * 4 + 3] = 255;  // the back buffer's alpha is not shown on screen
            }
        }
        copy->UnlockRect();
    } else {
        ok = false;
    }
    if (copy) copy->Release();
    if (target) target->Release();
    return ok;
}
