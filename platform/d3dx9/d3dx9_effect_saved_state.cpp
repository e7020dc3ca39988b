#include "platform/d3dx9/d3dx9_effect_saved_state.h"

namespace d3dx9 {

void EffectSavedState::Capture(IDirect3DDevice9* device, IDirect3DDevice9Gl* gl,
                               const EffectTechnique& technique) {
    Discard();
    for (const EffectPass& pass : technique.passes) {
        for (const EffectRenderState& s : pass.renderStates) {
            bool known = false;
            for (const EffectRenderState& r : m_renderStates) known = known || r.state == s.state;
            if (known) continue;
            DWORD value = 0;
            if (SUCCEEDED(device->GetRenderState(s.state, &value)))
                m_renderStates.push_back({s.state, value});
        }
        for (const EffectSamplerState& s : pass.samplerStates) {
            bool known = false;
            for (const EffectSamplerState& r : m_samplerStates)
                known = known || (r.stage == s.stage && r.type == s.type);
            if (known) continue;
            DWORD value = 0;
            if (SUCCEEDED(device->GetSamplerState(s.stage, s.type, &value)))
                m_samplerStates.push_back({s.stage, s.type, value});
        }
        for (const EffectTextureBinding& b : pass.textures) {
            bool known = false;
            for (const StageTexture& t : m_textures) known = known || t.stage == b.stage;
            if (known) continue;
            IDirect3DBaseTexture9* texture = nullptr;
            if (SUCCEEDED(device->GetTexture(b.stage, &texture)))
                m_textures.push_back({b.stage, texture});
        }
    }
    gl->GetShaderProgram(&m_program);
    m_captured = true;
}

void EffectSavedState::Restore(IDirect3DDevice9* device, IDirect3DDevice9Gl* gl) {
    if (!m_captured) return;
    for (const EffectRenderState& s : m_renderStates) device->SetRenderState(s.state, s.value);
    for (const EffectSamplerState& s : m_samplerStates)
        device->SetSamplerState(s.stage, s.type, s.value);
    for (const StageTexture& t : m_textures) device->SetTexture(t.stage, t.texture);
    gl->SetShaderProgram(m_program);
    Discard();
}

void EffectSavedState::Discard() {
    for (const StageTexture& t : m_textures)
        if (t.texture) t.texture->Release();
    m_textures.clear();
    m_renderStates.clear();
    m_samplerStates.clear();
    if (m_program) m_program->Release();
    m_program = nullptr;
    m_captured = false;
}

}  // namespace d3dx9
