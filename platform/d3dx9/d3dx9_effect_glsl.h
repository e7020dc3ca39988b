// The GLSL text of one shader as the effect hands it to the device, and the way back from the
// compiler's messages to lines of the effect text.
#pragma once

#include <string>

#include "platform/d3dx9/d3dx9_effect_description.h"

namespace d3dx9 {

// The GLSL type a parameter has in the shaders: float, vec2, vec3, vec4, mat4, sampler2D.
const char* GlslTypeOf(EffectParameterType type);

// A uniform for every parameter of the effect, then every shared glsl block, then the
// shader's own text. Each part is preceded by `#line N`, N being the line of the effect text
// that part stands on, so the compiler reports effect-text lines.
std::string AssembleShaderSource(const EffectDescription& effect, const EffectShader& shader);

// The line the first message of a compiler log points at: "0:57(12): error" (Mesa),
// "0(57) : error" (NVIDIA) or "ERROR: 0:57:" give 57. Zero when the log names no line.
int FirstLineInLog(const char* log);

}  // namespace d3dx9
