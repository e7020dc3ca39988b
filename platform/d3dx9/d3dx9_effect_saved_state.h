// What Begin records of the device without D3DXFX_DONOTSAVESTATE, and End puts back: the
// render states, sampler states and stage textures that any pass of the technique sets, and
// the program that was bound.
#pragma once

#include <vector>

#include "platform/d3d9/d3d9_gl.h"
#include "platform/d3dx9/d3dx9_effect_description.h"

namespace d3dx9 {

class EffectSavedState {
public:
    EffectSavedState() = default;
    EffectSavedState(const EffectSavedState&) = delete;
    EffectSavedState& operator=(const EffectSavedState&) = delete;
    ~EffectSavedState() { Discard(); }

    // Records the device's present values of everything the technique's passes set; the
    // textures and the program are held by a reference each until Restore or Discard.
    void Capture(IDirect3DDevice9* device, IDirect3DDevice9Gl* gl,
                 const EffectTechnique& technique);
    // Puts the recorded values back and lets go of what the record held.
    void Restore(IDirect3DDevice9* device, IDirect3DDevice9Gl* gl);
    // Lets go of what the record held without touching the device.
    void Discard();

private:
    struct StageTexture {
        DWORD stage;
        IDirect3DBaseTexture9* texture;  // one reference, or null
    };

    std::vector<EffectRenderState> m_renderStates;
    std::vector<EffectSamplerState> m_samplerStates;
    std::vector<StageTexture> m_textures;
    IDirect3DShaderProgram9Gl* m_program = nullptr;  // one reference, or null
    bool m_captured = false;
};

}  // namespace d3dx9
