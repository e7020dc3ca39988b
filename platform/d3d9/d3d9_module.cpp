// The module's one entry point; every other symbol of d3d9.so is hidden.
#include "platform/d3d9/d3d9_direct3d.h"

extern "C" __attribute__((visibility("default"))) IDirect3D9* Direct3DCreate9(UINT sdkVersion) {
    if (sdkVersion != D3D_SDK_VERSION) return nullptr;
    return d3d9gl::Direct3D9::Create();
}
