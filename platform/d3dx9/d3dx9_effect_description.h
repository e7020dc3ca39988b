// An effect as its text describes it, before anything is compiled: the parameters, the GLSL
// it shares between shaders, the shaders, and the techniques with their passes and the states
// each pass sets. Every element keeps the line of the effect text it was written on, so that
// later errors (from the GLSL compiler) can name it. The format is described in EFFECTS.md.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/d3d9/d3d9.h"

namespace d3dx9 {

enum class EffectParameterType { Float, Float2, Float3, Float4, Float4x4, Texture };

// The number of floats a value of the type holds: 1 to 4, 16 for a matrix, 0 for a texture.
inline int FloatCount(EffectParameterType type) {
    switch (type) {
        case EffectParameterType::Float:
            return 1;
        case EffectParameterType::Float2:
            return 2;
        case EffectParameterType::Float3:
            return 3;
        case EffectParameterType::Float4:
            return 4;
        case EffectParameterType::Float4x4:
            return 16;
        case EffectParameterType::Texture:
            return 0;
    }
    return 0;
}

struct EffectParameter {
    std::string name;
    EffectParameterType type = EffectParameterType::Float;
    float defaultValue[16] = {};  // zero where the text gives no default
    int line = 0;
};

// GLSL text taken from the effect unchanged, with the line its first character stands on.
struct EffectGlsl {
    std::string text;
    int line = 0;
};

enum class EffectShaderStage { Vertex, Pixel };

struct EffectShader {
    std::string name;
    EffectShaderStage stage = EffectShaderStage::Vertex;
    EffectGlsl body;
};

struct EffectRenderState {
    D3DRENDERSTATETYPE state;
    DWORD value;
};

struct EffectSamplerState {
    DWORD stage;  // 0–15
    D3DSAMPLERSTATETYPE type;
    DWORD value;
};

// A texture parameter bound to a sampler stage: the shaders see it as a sampler2D uniform of
// the parameter's name, set to that stage.
struct EffectTextureBinding {
    DWORD stage;  // 0–15
    std::size_t parameter;
};

struct EffectPass {
    int line = 0;
    std::size_t vertexShader = 0;  // indices into EffectDescription::shaders
    std::size_t pixelShader = 0;
    std::vector<EffectRenderState> renderStates;
    std::vector<EffectSamplerState> samplerStates;
    std::vector<EffectTextureBinding> textures;
};

struct EffectTechnique {
    std::string name;
    int line = 0;
    std::vector<EffectPass> passes;  // at least one; pass i is written "pass i"
};

struct EffectDescription {
    std::vector<EffectParameter> parameters;
    std::vector<EffectGlsl> sharedGlsl;  // every `glsl` block, in the order written
    std::vector<EffectShader> shaders;
    std::vector<EffectTechnique> techniques;  // at least one
};

}  // namespace d3dx9
