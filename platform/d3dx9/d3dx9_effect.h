// ID3DXEffect over the device's GLSL programs: parameter values kept in the effect, and
// passes that set their states, bind their program and hand it the parameters it uses.
//
// Handles. A parameter or technique handle is the address of the name the effect keeps for
// it, so every handle is also a name: a handle is first compared with the effect's own, then
// looked up as a name. Null (and any unknown name) makes a call fail and do nothing.
#pragma once

#include <vector>

#include "platform/d3d9/d3d9_gl.h"
#include "platform/d3dx9/d3dx9.h"
#include "platform/d3dx9/d3dx9_effect_description.h"
#include "platform/d3dx9/d3dx9_effect_saved_state.h"

namespace d3dx9 {

// A linked program and where it keeps each parameter of the effect (−1: not used).
struct EffectProgram {
    IDirect3DShaderProgram9Gl* program = nullptr;  // one reference
    std::vector<INT> locations;                    // one per parameter of the effect
};

class Effect final : public ID3DXEffect {
public:
    // Takes one reference to the device and takes over the programs' references.
    // passPrograms[t][p] is the index into programs of pass p of technique t.
    Effect(IDirect3DDevice9* device, IDirect3DDevice9Gl* gl, EffectDescription description,
           std::vector<EffectProgram> programs, std::vector<std::vector<std::size_t>> passPrograms);

    HRESULT QueryInterface(REFIID iid, void** object) override;
    ULONG AddRef() override { return ++m_references; }
    ULONG Release() override;

    D3DXHANDLE GetParameterByName(D3DXHANDLE parent, LPCSTR name) override;
    D3DXHANDLE GetTechniqueByName(LPCSTR name) override;

    HRESULT SetFloat(D3DXHANDLE parameter, float value) override;
    HRESULT SetVector(D3DXHANDLE parameter, const D3DXVECTOR4* value) override;
    HRESULT SetMatrix(D3DXHANDLE parameter, const D3DXMATRIX* value) override;
    HRESULT SetTexture(D3DXHANDLE parameter, IDirect3DBaseTexture9* texture) override;
    HRESULT GetFloat(D3DXHANDLE parameter, float* value) override;
    HRESULT GetVector(D3DXHANDLE parameter, D3DXVECTOR4* value) override;
    HRESULT GetMatrix(D3DXHANDLE parameter, D3DXMATRIX* value) override;

    HRESULT SetTechnique(D3DXHANDLE technique) override;
    D3DXHANDLE GetCurrentTechnique() override;
    HRESULT Begin(UINT* passes, DWORD flags) override;
    HRESULT BeginPass(UINT pass) override;
    HRESULT CommitChanges() override;
    HRESULT EndPass() override;
    HRESULT End() override;

    HRESULT GetDevice(IDirect3DDevice9** device) override;

private:
    struct Value {
        float floats[16] = {};
        IDirect3DBaseTexture9* texture = nullptr;  // one reference, or null
    };
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    ~Effect();
    std::size_t ParameterOf(D3DXHANDLE handle) const;
    std::size_t TechniqueOf(D3DXHANDLE handle) const;
    // The parameter of the handle when it has one of the types; kNone otherwise.
    std::size_t FloatParameterOf(D3DXHANDLE handle, int minCount, int maxCount) const;
    // Hands the current pass its textures and its program the parameter values.
    HRESULT ApplyValues();

    ULONG m_references = 1;
    IDirect3DDevice9* m_device;  // one reference
    IDirect3DDevice9Gl* m_gl;    // the same object, reached through that reference
    EffectDescription m_description;
    std::vector<EffectProgram> m_programs;
    std::vector<std::vector<std::size_t>> m_passPrograms;
    std::vector<Value> m_values;

    std::size_t m_technique = 0;
    bool m_begun = false;
    std::size_t m_pass = kNone;  // the pass between BeginPass and EndPass
    EffectSavedState m_saved;
};

}  // namespace d3dx9
