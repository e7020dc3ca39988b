// D3DXCreateEffect: the text is read into its description (no device needed), then every
// pass's pair of shaders is compiled and linked through the device's GLSL side. A failure
// comes back with a text that names the line of the effect text it concerns.
#include <string>
#include <utility>
#include <vector>

#include "platform/d3d9/d3d9_gl.h"
#include "platform/d3dx9/d3dx9.h"
#include "platform/d3dx9/d3dx9_buffer.h"
#include "platform/d3dx9/d3dx9_effect.h"
#include "platform/d3dx9/d3dx9_effect_glsl.h"
#include "platform/d3dx9/d3dx9_effect_parser.h"

namespace {

using namespace d3dx9;

std::string Located(int line, const std::string& message) {
    EffectTextError error;
    error.line = line;
    error.message = message;
    return FormatEffectTextError(error);
}

std::string PassName(const EffectTechnique& technique, std::size_t pass) {
    return "technique '" + technique.name + "', pass " + std::to_string(pass);
}

// Compiles a pass's shaders into a program and finds its parameters; false and the error
// text when the GLSL does not compile or link.
bool CompilePass(IDirect3DDevice9Gl* gl, const EffectDescription& effect,
                 const EffectTechnique& technique, std::size_t passIndex, EffectProgram* out,
                 std::string* errors) {
    const EffectPass& pass = technique.passes[passIndex];
    const EffectShader& vs = effect.shaders[pass.vertexShader];
    const EffectShader& ps = effect.shaders[pass.pixelShader];
    const std::string vertexSource = AssembleShaderSource(effect, vs);
    const std::string pixelSource = AssembleShaderSource(effect, ps);
    IDirect3DText9Gl* log = nullptr;
    IDirect3DShaderProgram9Gl* program = nullptr;
    const HRESULT hr =
        gl->CreateShaderProgram(vertexSource.c_str(), pixelSource.c_str(), &program, &log);
    if (FAILED(hr)) {
        const std::string text = log && log->GetText() ? log->GetText() : "";
        if (log) log->Release();
        // The device heads its log with the stage that failed.
        std::string what;
        int line = FirstLineInLog(text.c_str());
        if (text.compare(0, 14, "vertex shader:") == 0) {
            what = "vertex shader '" + vs.name + "' does not compile";
            if (line == 0) line = vs.body.line;
        } else if (text.compare(0, 16, "fragment shader:") == 0) {
            what = "pixel shader '" + ps.name + "' does not compile";
            if (line == 0) line = ps.body.line;
        } else {
            what = "vertex shader '" + vs.name + "' and pixel shader '" + ps.name + "' do not link";
            if (line == 0) line = pass.line;
        }
        *errors = Located(line, PassName(technique, passIndex) + ": " + what + ":\n" + text);
        return false;
    }
    if (log) log->Release();
    out->program = program;
    out->locations.clear();
    for (const EffectParameter& p : effect.parameters)
        out->locations.push_back(program->GetUniformLocation(p.name.c_str()));
    return true;
}

// A texture the shaders sample must reach them through a stage of the pass.
bool CheckTextures(const EffectDescription& effect, const EffectTechnique& technique,
                   std::size_t passIndex, const EffectProgram& program, std::string* errors) {
    const EffectPass& pass = technique.passes[passIndex];
    for (std::size_t i = 0; i < effect.parameters.size(); ++i) {
        if (effect.parameters[i].type != EffectParameterType::Texture || program.locations[i] < 0)
            continue;
        bool bound = false;
        for (const EffectTextureBinding& b : pass.textures) bound = bound || b.parameter == i;
        if (!bound) {
            const std::string& name = effect.parameters[i].name;
            *errors =
                Located(pass.line,
                        PassName(technique, passIndex) + ": the shaders sample texture '" + name +
                            "', which the pass binds to no stage (Texture[0] = " + name + ";)");
            return false;
        }
    }
    return true;
}

HRESULT Fail(HRESULT hr, const std::string& text, ID3DXBuffer** errors) {
    if (errors && !text.empty()) *errors = TextBuffer::Create(text);
    return hr;
}

}  // namespace

HRESULT D3DXCreateEffect(IDirect3DDevice9* device, const void* data, UINT dataLength,
                         const D3DXMACRO* defines, ID3DXInclude* include, DWORD flags,
                         ID3DXEffectPool* pool, ID3DXEffect** effect, ID3DXBuffer** errors) {
    // The flags ask things of an HLSL compiler (skip validation, optimisation levels, debug
    // information); GLSL programs have nothing to match them, so none is refused.
    (void)flags;
    if (errors) *errors = nullptr;
    if (!effect) return D3DERR_INVALIDCALL;
    *effect = nullptr;
    if (!device || !data || dataLength == 0) return D3DERR_INVALIDCALL;
    if (defines && defines[0].Name)
        return Fail(D3DERR_INVALIDCALL, "effect: error: macro definitions are not supported",
                    errors);
    if (include)
        return Fail(D3DERR_INVALIDCALL, "effect: error: include handlers are not supported",
                    errors);
    if (pool)
        return Fail(D3DERR_INVALIDCALL, "effect: error: effect pools are not supported", errors);

    EffectDescription description;
    EffectTextError textError;
    switch (ParseEffectText(data, dataLength, &description, &textError)) {
        case EffectTextResult::Parsed:
            break;
        case EffectTextResult::NotText:
            return D3DXERR_INVALIDDATA;
        case EffectTextResult::Invalid:
            return Fail(D3DXERR_INVALIDDATA, FormatEffectTextError(textError), errors);
    }

    IDirect3DDevice9Gl* gl = nullptr;
    if (FAILED(device->QueryInterface(IID_IDirect3DDevice9Gl, reinterpret_cast<void**>(&gl))) ||
        !gl)
        return Fail(D3DERR_INVALIDCALL,
                    "effect: error: the device runs no GLSL programs (it has no "
                    "IDirect3DDevice9Gl)",
                    errors);

    // Passes that pair the same two shaders share one program.
    std::vector<EffectProgram> programs;
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    std::vector<std::vector<std::size_t>> passPrograms(description.techniques.size());
    std::string text;
    bool ok = true;
    for (std::size_t t = 0; ok && t < description.techniques.size(); ++t) {
        const EffectTechnique& technique = description.techniques[t];
        for (std::size_t p = 0; ok && p < technique.passes.size(); ++p) {
            const std::pair<std::size_t, std::size_t> pair{technique.passes[p].vertexShader,
                                                           technique.passes[p].pixelShader};
            std::size_t index = 0;
            while (index < pairs.size() && pairs[index] != pair) ++index;
            if (index == pairs.size()) {
                EffectProgram program;
                ok = CompilePass(gl, description, technique, p, &program, &text);
                if (!ok) break;
                programs.push_back(std::move(program));
                pairs.push_back(pair);
            }
            ok = CheckTextures(description, technique, p, programs[index], &text);
            passPrograms[t].push_back(index);
        }
    }
    if (!ok) {
        for (EffectProgram& program : programs) program.program->Release();
        gl->Release();
        return Fail(E_FAIL, text, errors);
    }
    // The effect's one reference to the device is the one it takes itself; the interface
    // reached here is the same object and needs none of its own.
    *effect = new Effect(device, gl, std::move(description), std::move(programs),
                         std::move(passPrograms));
    gl->Release();
    return D3D_OK;
}
