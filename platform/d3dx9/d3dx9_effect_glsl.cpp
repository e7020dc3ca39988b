#include "platform/d3dx9/d3dx9_effect_glsl.h"

namespace d3dx9 {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

void AppendLine(std::string* source, int line) {
    *source += "#line " + std::to_string(line) + "\n";
}

}  // namespace

const char* GlslTypeOf(EffectParameterType type) {
    switch (type) {
        case EffectParameterType::Float:
            return "float";
        case EffectParameterType::Float2:
            return "vec2";
        case EffectParameterType::Float3:
            return "vec3";
        case EffectParameterType::Float4:
            return "vec4";
        case EffectParameterType::Float4x4:
            return "mat4";
        case EffectParameterType::Texture:
            return "sampler2D";
    }
    return "float";
}

std::string AssembleShaderSource(const EffectDescription& effect, const EffectShader& shader) {
    std::string source;
    for (const EffectParameter& p : effect.parameters) {
        AppendLine(&source, p.line);
        source += std::string("uniform ") + GlslTypeOf(p.type) + " " + p.name + ";\n";
    }
    for (const EffectGlsl& block : effect.sharedGlsl) {
        AppendLine(&source, block.line);
        source += block.text + "\n";
    }
    AppendLine(&source, shader.body.line);
    source += shader.body.text + "\n";
    return source;
}

int FirstLineInLog(const char* log) {
    if (!log) return 0;
    // The first "0:" or "0(" that stands alone (not the end of a longer number) and is
    // followed by digits: the source string 0, then the line.
    for (const char* p = log; *p; ++p) {
        if (*p != '0' || (p > log && IsDigit(p[-1])) || (p[1] != ':' && p[1] != '(')) continue;
        const char* digits = p + 2;
        long line = 0;
        int count = 0;
        while (IsDigit(digits[count]) && count < 9) {
            line = line * 10 + (digits[count] - '0');
            ++count;
        }
        if (count > 0 && !IsDigit(digits[count]) && line > 0) return static_cast<int>(line);
    }
    return 0;
}

}  // namespace d3dx9
