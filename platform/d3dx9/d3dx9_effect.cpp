#include "platform/d3dx9/d3dx9_effect.h"

#include <cstring>

namespace d3dx9 {

Effect::Effect(IDirect3DDevice9* device, IDirect3DDevice9Gl* gl, EffectDescription description,
               std::vector<EffectProgram> programs,
               std::vector<std::vector<std::size_t>> passPrograms)
    : m_device(device),
      m_gl(gl),
      m_description(std::move(description)),
      m_programs(std::move(programs)),
      m_passPrograms(std::move(passPrograms)),
      m_values(m_description.parameters.size()) {
    m_device->AddRef();
    for (std::size_t i = 0; i < m_values.size(); ++i)
        std::memcpy(m_values[i].floats, m_description.parameters[i].defaultValue,
                    sizeof m_values[i].floats);
}

Effect::~Effect() {
    // An effect let go of between Begin and End still puts back what Begin recorded.
    if (m_begun) End();
    m_saved.Discard();
    // A program of this effect that is still bound would outlive it inside the device.
    IDirect3DShaderProgram9Gl* bound = nullptr;
    if (SUCCEEDED(m_gl->GetShaderProgram(&bound)) && bound) {
        for (const EffectProgram& p : m_programs) {
            if (p.program == bound) {
                m_gl->SetShaderProgram(nullptr);
                break;
            }
        }
        bound->Release();
    }
    for (Value& v : m_values)
        if (v.texture) v.texture->Release();
    for (EffectProgram& p : m_programs) p.program->Release();
    m_device->Release();
}

HRESULT Effect::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid != IID_IUnknown && iid != IID_ID3DXEffect) return E_NOINTERFACE;
    *object = static_cast<ID3DXEffect*>(this);
    AddRef();
    return S_OK;
}

ULONG Effect::Release() {
    const ULONG remaining = --m_references;
    if (remaining == 0) delete this;
    return remaining;
}

// ---- Handles --------------------------------------------------------------------------------

std::size_t Effect::ParameterOf(D3DXHANDLE handle) const {
    if (!handle) return kNone;
    const auto& parameters = m_description.parameters;
    for (std::size_t i = 0; i < parameters.size(); ++i)
        if (handle == parameters[i].name.c_str()) return i;
    for (std::size_t i = 0; i < parameters.size(); ++i)
        if (parameters[i].name == handle) return i;
    return kNone;
}

std::size_t Effect::TechniqueOf(D3DXHANDLE handle) const {
    if (!handle) return kNone;
    const auto& techniques = m_description.techniques;
    for (std::size_t i = 0; i < techniques.size(); ++i)
        if (handle == techniques[i].name.c_str()) return i;
    for (std::size_t i = 0; i < techniques.size(); ++i)
        if (techniques[i].name == handle) return i;
    return kNone;
}

std::size_t Effect::FloatParameterOf(D3DXHANDLE handle, int minCount, int maxCount) const {
    const std::size_t index = ParameterOf(handle);
    if (index == kNone) return kNone;
    const int count = FloatCount(m_description.parameters[index].type);
    return count >= minCount && count <= maxCount ? index : kNone;
}

D3DXHANDLE Effect::GetParameterByName(D3DXHANDLE parent, LPCSTR name) {
    // Parameters have no members (no structures, no annotations): only top-level lookups.
    if (parent || !name) return nullptr;
    const std::size_t index = ParameterOf(name);
    return index == kNone ? nullptr : m_description.parameters[index].name.c_str();
}

D3DXHANDLE Effect::GetTechniqueByName(LPCSTR name) {
    const std::size_t index = TechniqueOf(name);
    return index == kNone ? nullptr : m_description.techniques[index].name.c_str();
}

// ---- Values ---------------------------------------------------------------------------------

HRESULT Effect::SetFloat(D3DXHANDLE parameter, float value) {
    const std::size_t index = FloatParameterOf(parameter, 1, 1);
    if (index == kNone) return D3DERR_INVALIDCALL;
    m_values[index].floats[0] = value;
    return D3D_OK;
}

HRESULT Effect::SetVector(D3DXHANDLE parameter, const D3DXVECTOR4* value) {
    const std::size_t index = FloatParameterOf(parameter, 1, 4);
    if (index == kNone || !value) return D3DERR_INVALIDCALL;
    const float v[4] = {value->x, value->y, value->z, value->w};
    const int count = FloatCount(m_description.parameters[index].type);
    std::memcpy(m_values[index].floats, v, sizeof(float) * static_cast<std::size_t>(count));
    return D3D_OK;
}

HRESULT Effect::SetMatrix(D3DXHANDLE parameter, const D3DXMATRIX* value) {
    const std::size_t index = FloatParameterOf(parameter, 16, 16);
    if (index == kNone || !value) return D3DERR_INVALIDCALL;
    std::memcpy(m_values[index].floats, value->m, sizeof value->m);
    return D3D_OK;
}

HRESULT Effect::SetTexture(D3DXHANDLE parameter, IDirect3DBaseTexture9* texture) {
    const std::size_t index = FloatParameterOf(parameter, 0, 0);
    if (index == kNone) return D3DERR_INVALIDCALL;
    // The new reference is taken before the old one is given up: setting the texture the
    // parameter already holds must not destroy it on the way.
    if (texture) texture->AddRef();
    if (m_values[index].texture) m_values[index].texture->Release();
    m_values[index].texture = texture;
    return D3D_OK;
}

HRESULT Effect::GetFloat(D3DXHANDLE parameter, float* value) {
    const std::size_t index = FloatParameterOf(parameter, 1, 1);
    if (index == kNone || !value) return D3DERR_INVALIDCALL;
    *value = m_values[index].floats[0];
    return D3D_OK;
}

HRESULT Effect::GetVector(D3DXHANDLE parameter, D3DXVECTOR4* value) {
    const std::size_t index = FloatParameterOf(parameter, 1, 4);
    if (index == kNone || !value) return D3DERR_INVALIDCALL;
    const int count = FloatCount(m_description.parameters[index].type);
    float v[4] = {};
    std::memcpy(v, m_values[index].floats, sizeof(float) * static_cast<std::size_t>(count));
    *value = {v[0], v[1], v[2], v[3]};
    return D3D_OK;
}

HRESULT Effect::GetMatrix(D3DXHANDLE parameter, D3DXMATRIX* value) {
    const std::size_t index = FloatParameterOf(parameter, 16, 16);
    if (index == kNone || !value) return D3DERR_INVALIDCALL;
    std::memcpy(value->m, m_values[index].floats, sizeof value->m);
    return D3D_OK;
}

// ---- Techniques and passes ------------------------------------------------------------------

HRESULT Effect::SetTechnique(D3DXHANDLE technique) {
    const std::size_t index = TechniqueOf(technique);
    // The technique cannot change under a Begin: End restores what Begin recorded for it.
    if (index == kNone || m_begun) return D3DERR_INVALIDCALL;
    m_technique = index;
    return D3D_OK;
}

D3DXHANDLE Effect::GetCurrentTechnique() {
    return m_description.techniques[m_technique].name.c_str();
}

HRESULT Effect::Begin(UINT* passes, DWORD flags) {
    if (m_begun || (flags & ~D3DXFX_DONOTSAVESTATE)) return D3DERR_INVALIDCALL;
    const EffectTechnique& technique = m_description.techniques[m_technique];
    if (!(flags & D3DXFX_DONOTSAVESTATE)) m_saved.Capture(m_device, m_gl, technique);
    m_begun = true;
    m_pass = kNone;
    if (passes) *passes = static_cast<UINT>(technique.passes.size());
    return D3D_OK;
}

HRESULT Effect::BeginPass(UINT pass) {
    const EffectTechnique& technique = m_description.techniques[m_technique];
    if (!m_begun || m_pass != kNone || pass >= technique.passes.size()) return D3DERR_INVALIDCALL;
    const EffectPass& p = technique.passes[pass];
    for (const EffectRenderState& s : p.renderStates) m_device->SetRenderState(s.state, s.value);
    for (const EffectSamplerState& s : p.samplerStates)
        m_device->SetSamplerState(s.stage, s.type, s.value);
    const EffectProgram& program = m_programs[m_passPrograms[m_technique][pass]];
    HRESULT hr = m_gl->SetShaderProgram(program.program);
    if (FAILED(hr)) return hr;
    m_pass = pass;
    return ApplyValues();
}

HRESULT Effect::ApplyValues() {
    const EffectPass& pass = m_description.techniques[m_technique].passes[m_pass];
    const EffectProgram& program = m_programs[m_passPrograms[m_technique][m_pass]];
    HRESULT result = D3D_OK;
    auto note = [&result](HRESULT hr) {
        if (FAILED(hr) && SUCCEEDED(result)) result = hr;
    };
    for (const EffectTextureBinding& b : pass.textures) {
        note(m_device->SetTexture(b.stage, m_values[b.parameter].texture));
        const INT stage = static_cast<INT>(b.stage);
        note(m_gl->SetUniform(program.program, program.locations[b.parameter], kGlUniformInt1,
                              &stage, 1));
    }
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        const INT location = program.locations[i];
        if (location < 0) continue;
        GlUniformType type = kGlUniformFloat1;
        switch (m_description.parameters[i].type) {
            case EffectParameterType::Float:
                type = kGlUniformFloat1;
                break;
            case EffectParameterType::Float2:
                type = kGlUniformFloat2;
                break;
            case EffectParameterType::Float3:
                type = kGlUniformFloat3;
                break;
            case EffectParameterType::Float4:
                type = kGlUniformFloat4;
                break;
            case EffectParameterType::Float4x4:
                type = kGlUniformMatrix4;
                break;
            case EffectParameterType::Texture:
                continue;  // set with its stage above
        }
        note(m_gl->SetUniform(program.program, location, type, m_values[i].floats, 1));
    }
    return result;
}

HRESULT Effect::CommitChanges() {
    if (m_pass == kNone) return D3DERR_INVALIDCALL;
    return ApplyValues();
}

HRESULT Effect::EndPass() {
    if (m_pass == kNone) return D3DERR_INVALIDCALL;
    m_pass = kNone;
    return D3D_OK;
}

HRESULT Effect::End() {
    if (!m_begun) return D3DERR_INVALIDCALL;
    m_pass = kNone;  // a pass left open ends with its technique
    m_saved.Restore(m_device, m_gl);
    m_begun = false;
    return D3D_OK;
}

HRESULT Effect::GetDevice(IDirect3DDevice9** device) {
    if (!device) return D3DERR_INVALIDCALL;
    m_device->AddRef();
    *device = m_device;
    return D3D_OK;
}

}  // namespace d3dx9
