// The module's one entry point; every other symbol of d3d9.so is hidden.
#include <cstdio>

#include "platform/d3d9/d3d9_direct3d.h"
#include "platform/d3d9/d3d9_object.h"

extern "C" __attribute__((visibility("default"))) IDirect3D9* Direct3DCreate9(UINT sdkVersion) {
    if (sdkVersion != D3D_SDK_VERSION) return nullptr;
    return d3d9gl::Direct3D9::Create();
}

namespace {

// Everything made by the module should be gone by the time it is unloaded; what is not is
// said on standard error, so that a run can show that start-up and shutdown leave nothing.
__attribute__((destructor)) void ReportObjectsAliveAtUnload() {
    const ULONG alive = d3d9gl::LiveObjectCount();
    if (alive != 0)
        std::fprintf(stderr, "d3d9: %u objects still alive when the module was unloaded\n",
                     static_cast<unsigned>(alive));
}

}  // namespace
