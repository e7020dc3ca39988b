// libFuzzer target over the device-free part of the effect layer: reading an effect text,
// assembling the GLSL of its shaders, formatting its errors, and finding lines in compiler
// logs. Any input must give a result without a sanitizer report, and a parsed description
// must only refer to what it holds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/d3dx9/d3dx9_effect_glsl.h"
#include "platform/d3dx9/d3dx9_effect_parser.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

void CheckDescription(const d3dx9::EffectDescription& d) {
    using d3dx9::EffectParameterType;
    using d3dx9::EffectShaderStage;
    Check(!d.techniques.empty());
    for (const d3dx9::EffectTechnique& technique : d.techniques) {
        Check(!technique.passes.empty());
        for (const d3dx9::EffectPass& pass : technique.passes) {
            Check(pass.vertexShader < d.shaders.size());
            Check(pass.pixelShader < d.shaders.size());
            Check(d.shaders[pass.vertexShader].stage == EffectShaderStage::Vertex);
            Check(d.shaders[pass.pixelShader].stage == EffectShaderStage::Pixel);
            for (const d3dx9::EffectTextureBinding& b : pass.textures) {
                Check(b.stage < 16);
                Check(b.parameter < d.parameters.size());
                Check(d.parameters[b.parameter].type == EffectParameterType::Texture);
            }
            for (const d3dx9::EffectSamplerState& s : pass.samplerStates) Check(s.stage < 16);
        }
    }
    for (const d3dx9::EffectShader& shader : d.shaders) {
        Check(shader.body.line >= 1);
        Check(!d3dx9::AssembleShaderSource(d, shader).empty());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    d3dx9::EffectDescription description;
    d3dx9::EffectTextError error;
    switch (d3dx9::ParseEffectText(data, size, &description, &error)) {
        case d3dx9::EffectTextResult::Parsed:
            CheckDescription(description);
            break;
        case d3dx9::EffectTextResult::Invalid:
            Check(error.line >= 1 && error.column >= 1 && !error.message.empty());
            Check(!d3dx9::FormatEffectTextError(error).empty());
            break;
        case d3dx9::EffectTextResult::NotText:
            break;
    }
    const std::string log(reinterpret_cast<const char*>(data), size);
    Check(d3dx9::FirstLineInLog(log.c_str()) >= 0);
    return 0;
}
