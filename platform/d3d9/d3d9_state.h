// Direct3D 9's render and sampler states: their defaults, and which group of OpenGL state each
// one feeds, so that a Set only marks its group and the next draw applies what changed.
#pragma once

#include "platform/d3d9/d3d9.h"

namespace d3d9gl {

enum DirtyBit : DWORD {
    kDirtyBlend = 1u << 0,      // blend enable, factors, operations
    kDirtyDepth = 1u << 1,      // depth test, function, writes
    kDirtyRaster = 1u << 2,     // culling, fill mode
    kDirtyColorMask = 1u << 3,  // colour write mask
    kDirtyScissor = 1u << 4,    // scissor enable and rectangle
    kDirtyViewport = 1u << 5,   // viewport and depth range
    kDirtyAlphaTest = 1u << 6,  // alpha test enable, function, reference
    kDirtyTarget = 1u << 7,     // render target binding
    kDirtyAll = 0xFFu,
};

// The group a render state feeds; 0 for states that only need recording.
DWORD DirtyGroupOf(D3DRENDERSTATETYPE state);

// The device's states right after creation. With an automatic depth buffer Direct3D 9 starts
// with the depth test on.
void DefaultRenderStates(DWORD (&states)[kD3DRenderStateCount], bool autoDepthStencil);
void DefaultSamplerStates(DWORD (&states)[kD3DSamplerStateCount]);

}  // namespace d3d9gl
