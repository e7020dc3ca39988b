#include "platform/d3dx9/d3dx9_effect_parser.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <system_error>

#include "platform/d3dx9/d3dx9_effect_lexer.h"
#include "platform/d3dx9/d3dx9_effect_states.h"

namespace d3dx9 {

namespace {

constexpr DWORD kStageCount = 16;  // the pixel sampler stages a pass may bind

// Bytes that no text holds: the control characters other than white space. A zero byte is
// among them; zeros at the very end were taken off before as a terminator.
bool IsText(const unsigned char* bytes, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned char c = bytes[i];
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\v' && c != '\f' && c != '\r') ||
            c == 0x7F)
            return false;
    }
    return true;
}

const char* TypeKeyword(EffectParameterType type) {
    switch (type) {
        case EffectParameterType::Float:
            return "float";
        case EffectParameterType::Float2:
            return "float2";
        case EffectParameterType::Float3:
            return "float3";
        case EffectParameterType::Float4:
            return "float4";
        case EffectParameterType::Float4x4:
            return "float4x4";
        case EffectParameterType::Texture:
            return "texture";
    }
    return "";
}

bool ParameterTypeOf(const std::string& word, EffectParameterType* type) {
    for (auto t : {EffectParameterType::Float, EffectParameterType::Float2,
                   EffectParameterType::Float3, EffectParameterType::Float4,
                   EffectParameterType::Float4x4, EffectParameterType::Texture}) {
        if (EqualNoCase(word, TypeKeyword(t))) {
            *type = t;
            return true;
        }
    }
    return false;
}

// Names the GLSL compiler keeps for itself, or that the device uses for its own uniforms.
bool IsReservedGlslName(const std::string& name) {
    return name.compare(0, 3, "gl_") == 0 || name.compare(0, 4, "d3d_") == 0 ||
           name.find("__") != std::string::npos;
}

// A pass or stage number: decimal digits only, at most max.
bool ParseIndex(const std::string& text, DWORD max, DWORD* value) {
    if (text.empty() || text.size() > 9) return false;
    DWORD v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + static_cast<DWORD>(c - '0');
    }
    if (v > max) return false;
    *value = v;
    return true;
}

// A whole number, decimal or 0x hex, up to 0xFFFFFFFF.
bool ParseUnsigned(const std::string& text, DWORD* value) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* first = text.data() + (hex ? 2 : 0);
    const char* last = text.data() + text.size();
    std::uint32_t v = 0;
    const auto result = std::from_chars(first, last, v, hex ? 16 : 10);
    if (result.ec != std::errc() || result.ptr != last) return false;
    *value = v;
    return true;
}

bool ParseFloat(const std::string& text, bool negative, float* value) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) return false;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (last > first && (last[-1] == 'f' || last[-1] == 'F')) --last;
    float v = 0.0f;
    const auto result = std::from_chars(first, last, v, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != last) return false;
    *value = negative ? -v : v;
    return true;
}

class Parser {
public:
    Parser(const char* text, std::size_t length, EffectDescription* out, EffectTextError* error)
        : m_lexer(text, length), m_out(out), m_error(error) {}

    bool Run();

private:
    // Where a pass names a shader or a texture; resolved once the whole text is read, so
    // that passes may name what is declared after them.
    struct Reference {
        std::string name;
        int line, column;
        std::size_t technique, pass;
        enum { VertexShader, PixelShader, Texture } what;
        DWORD stage;
    };

    bool Advance() { return m_lexer.Next(&m_token, m_error); }
    bool Fail(const EffectToken& at, std::string message) {
        *m_error = {at.line, at.column, std::move(message)};
        return false;
    }
    bool IsSymbol(char c) const {
        return m_token.kind == EffectTokenKind::Symbol && m_token.text[0] == c;
    }
    bool IsWord(const char* keyword) const {
        return m_token.kind == EffectTokenKind::Identifier && EqualNoCase(m_token.text, keyword);
    }
    bool Expect(char c, const char* context);
    bool ExpectName(const char* what, EffectToken* name);

    bool ParseParameter(EffectParameterType type);
    bool ParseDefault(EffectParameter* parameter);
    bool ParseSignedNumber(float* value);
    bool ParseSharedGlsl();
    bool ParseShader(EffectShaderStage stage);
    bool ParseTechnique();
    bool ParsePass(std::size_t technique);
    bool ParseAssignment(std::size_t technique, EffectPass* pass, bool* hasVertexShader,
                         bool* hasPixelShader);
    bool ParseStateValue(const EffectStateInfo& info, DWORD* value);
    bool Resolve();

    bool ParameterExists(const std::string& name) const;

    EffectLexer m_lexer;
    EffectDescription* m_out;
    EffectTextError* m_error;
    EffectToken m_token;
    std::vector<Reference> m_references;
};

bool Parser::Expect(char c, const char* context) {
    if (!IsSymbol(c)) {
        const std::string found =
            m_token.kind == EffectTokenKind::End ? "the end of the text" : "'" + m_token.text + "'";
        return Fail(m_token, std::string("expected '") + c + "' " + context + ", found " + found);
    }
    return Advance();
}

bool Parser::ExpectName(const char* what, EffectToken* name) {
    if (m_token.kind != EffectTokenKind::Identifier)
        return Fail(m_token, std::string("expected the name of ") + what);
    *name = m_token;
    return Advance();
}

bool Parser::Run() {
    if (!Advance()) return false;
    while (m_token.kind != EffectTokenKind::End) {
        EffectParameterType type;
        if (m_token.kind != EffectTokenKind::Identifier)
            return Fail(m_token, "expected a parameter, glsl block, shader or technique, found '" +
                                     m_token.text + "'");
        if (ParameterTypeOf(m_token.text, &type)) {
            if (!ParseParameter(type)) return false;
        } else if (IsWord("glsl")) {
            if (!ParseSharedGlsl()) return false;
        } else if (IsWord("vertexshader")) {
            if (!ParseShader(EffectShaderStage::Vertex)) return false;
        } else if (IsWord("pixelshader")) {
            if (!ParseShader(EffectShaderStage::Pixel)) return false;
        } else if (IsWord("technique")) {
            if (!ParseTechnique()) return false;
        } else {
            return Fail(m_token, "'" + m_token.text +
                                     "' is not a parameter type (float, float2, float3, float4, "
                                     "float4x4, texture) nor glsl, vertexshader, pixelshader or "
                                     "technique");
        }
    }
    if (m_out->techniques.empty()) return Fail(m_token, "the effect has no technique");
    return Resolve();
}

bool Parser::ParameterExists(const std::string& name) const {
    for (const EffectParameter& p : m_out->parameters)
        if (p.name == name) return true;
    return false;
}

bool Parser::ParseParameter(EffectParameterType type) {
    if (!Advance()) return false;
    EffectToken name;
    if (!ExpectName("the parameter", &name)) return false;
    if (IsReservedGlslName(name.text))
        return Fail(name, "'" + name.text +
                              "' cannot name a parameter: names that begin with gl_ or d3d_ or "
                              "hold __ are reserved in the shaders");
    if (ParameterExists(name.text))
        return Fail(name, "a parameter named '" + name.text + "' is already declared");
    EffectParameter parameter;
    parameter.name = name.text;
    parameter.type = type;
    parameter.line = name.line;
    if (IsSymbol('=')) {
        if (type == EffectParameterType::Texture)
            return Fail(m_token, "a texture parameter takes no default value");
        if (!Advance() || !ParseDefault(&parameter)) return false;
    }
    if (!Expect(';', "after the parameter")) return false;
    m_out->parameters.push_back(std::move(parameter));
    return true;
}

bool Parser::ParseSignedNumber(float* value) {
    bool negative = false;
    if (IsSymbol('-') || IsSymbol('+')) {
        negative = IsSymbol('-');
        if (!Advance()) return false;
    }
    if (m_token.kind != EffectTokenKind::Number) return Fail(m_token, "expected a number");
    if (!ParseFloat(m_token.text, negative, value))
        return Fail(m_token, "'" + m_token.text + "' is not a float value");
    return Advance();
}

bool Parser::ParseDefault(EffectParameter* parameter) {
    const int count = FloatCount(parameter->type);
    if (count == 1) return ParseSignedNumber(&parameter->defaultValue[0]);
    const EffectToken open = m_token;
    if (!Expect('{', "to open the default value's list of numbers")) return false;
    const std::string wrongCount = std::string("the default value of a ") +
                                   TypeKeyword(parameter->type) + " has " + std::to_string(count) +
                                   " numbers";
    for (int i = 0; i < count; ++i) {
        if (i > 0 && IsSymbol('}')) return Fail(open, wrongCount);
        if (i > 0 && !Expect(',', "between the numbers of the default value")) return false;
        if (!ParseSignedNumber(&parameter->defaultValue[i])) return false;
    }
    if (!IsSymbol('}')) return Fail(open, wrongCount);
    return Advance();
}

bool Parser::ParseSharedGlsl() {
    if (!Advance()) return false;
    if (!IsSymbol('{')) return Fail(m_token, "expected '{' to open the glsl block");
    EffectGlsl block;
    if (!m_lexer.ReadBlock(m_token, &block, m_error)) return false;
    m_out->sharedGlsl.push_back(std::move(block));
    return Advance();
}

bool Parser::ParseShader(EffectShaderStage stage) {
    if (!Advance()) return false;
    EffectToken name;
    if (!ExpectName("the shader", &name)) return false;
    for (const EffectShader& s : m_out->shaders)
        if (s.name == name.text)
            return Fail(name, "a shader named '" + name.text + "' is already declared");
    if (!IsSymbol('{')) return Fail(m_token, "expected '{' to open the shader's GLSL");
    EffectShader shader;
    shader.name = name.text;
    shader.stage = stage;
    if (!m_lexer.ReadBlock(m_token, &shader.body, m_error)) return false;
    m_out->shaders.push_back(std::move(shader));
    return Advance();
}

bool Parser::ParseTechnique() {
    if (!Advance()) return false;
    EffectToken name;
    if (!ExpectName("the technique", &name)) return false;
    for (const EffectTechnique& t : m_out->techniques)
        if (t.name == name.text)
            return Fail(name, "a technique named '" + name.text + "' is already declared");
    EffectTechnique technique;
    technique.name = name.text;
    technique.line = name.line;
    m_out->techniques.push_back(std::move(technique));
    const std::size_t index = m_out->techniques.size() - 1;
    if (!Expect('{', "to open the technique")) return false;
    while (IsWord("pass"))
        if (!ParsePass(index)) return false;
    if (!IsSymbol('}')) {
        if (m_token.kind == EffectTokenKind::End)
            return Fail(name, "technique '" + name.text + "' has no closing '}'");
        return Fail(m_token, "expected 'pass' or the '}' that closes the technique");
    }
    if (m_out->techniques[index].passes.empty())
        return Fail(name, "technique '" + name.text + "' has no pass");
    return Advance();
}

bool Parser::ParsePass(std::size_t technique) {
    const EffectToken keyword = m_token;
    if (!Advance()) return false;
    const DWORD expected = static_cast<DWORD>(m_out->techniques[technique].passes.size());
    DWORD number = 0;
    if (m_token.kind != EffectTokenKind::Number || !ParseIndex(m_token.text, 0xFFFFFFu, &number))
        return Fail(m_token, "expected the pass number " + std::to_string(expected));
    if (number != expected)
        return Fail(m_token, "passes are numbered from 0 in order: expected pass " +
                                 std::to_string(expected) + ", found pass " + m_token.text);
    if (!Advance()) return false;
    const EffectToken open = m_token;
    if (!Expect('{', "to open the pass")) return false;
    EffectPass pass;
    pass.line = keyword.line;
    bool hasVertexShader = false, hasPixelShader = false;
    while (m_token.kind == EffectTokenKind::Identifier)
        if (!ParseAssignment(technique, &pass, &hasVertexShader, &hasPixelShader)) return false;
    if (!IsSymbol('}')) {
        if (m_token.kind == EffectTokenKind::End)
            return Fail(open, "pass " + std::to_string(number) + " has no closing '}'");
        return Fail(m_token, "expected a state assignment or the '}' that closes the pass");
    }
    const char* missing = !hasVertexShader ? "VertexShader" : !hasPixelShader ? "PixelShader" : "";
    if (*missing)
        return Fail(keyword, "pass " + std::to_string(number) + " of technique '" +
                                 m_out->techniques[technique].name + "' sets no " + missing);
    m_out->techniques[technique].passes.push_back(std::move(pass));
    return Advance();
}

bool Parser::ParseAssignment(std::size_t technique, EffectPass* pass, bool* hasVertexShader,
                             bool* hasPixelShader) {
    const EffectToken name = m_token;
    if (!Advance()) return false;
    bool indexed = false;
    DWORD stage = 0;
    if (IsSymbol('[')) {
        if (!Advance()) return false;
        if (m_token.kind != EffectTokenKind::Number ||
            !ParseIndex(m_token.text, kStageCount - 1, &stage))
            return Fail(m_token, "expected a sampler stage from 0 to 15");
        if (!Advance() || !Expect(']', "after the sampler stage")) return false;
        indexed = true;
    }
    if (!Expect('=', ("after " + name.text).c_str())) return false;
    const std::size_t passIndex = m_out->techniques[technique].passes.size();

    const bool vertexShader = EqualNoCase(name.text, "VertexShader");
    const bool texture = EqualNoCase(name.text, "Texture");
    if (vertexShader || EqualNoCase(name.text, "PixelShader") || texture) {
        if (texture != indexed)
            return Fail(name, texture ? "Texture needs its sampler stage: Texture[0] = ...;"
                                      : name.text + " takes no sampler stage");
        bool* seen = vertexShader ? hasVertexShader : hasPixelShader;
        if (!texture && *seen) return Fail(name, name.text + " is set twice in this pass");
        if (texture) {
            for (const Reference& r : m_references)
                if (r.what == Reference::Texture && r.technique == technique &&
                    r.pass == passIndex && r.stage == stage)
                    return Fail(name,
                                "Texture[" + std::to_string(stage) + "] is set twice in this pass");
        }
        if (m_token.kind != EffectTokenKind::Identifier)
            return Fail(m_token, texture ? "expected the name of a texture parameter"
                                         : "expected the name of a shader");
        Reference reference{m_token.text,
                            m_token.line,
                            m_token.column,
                            technique,
                            passIndex,
                            vertexShader ? Reference::VertexShader
                            : texture    ? Reference::Texture
                                         : Reference::PixelShader,
                            stage};
        m_references.push_back(std::move(reference));
        if (!texture) *seen = true;
        if (!Advance()) return false;
        return Expect(';', ("after the value of " + name.text).c_str());
    }

    const EffectStateInfo* info = FindSamplerState(name.text);
    const bool sampler = info != nullptr;
    if (!info) info = FindRenderState(name.text);
    if (!info) return Fail(name, "'" + name.text + "' is no render state or sampler state");
    if (sampler && !indexed)
        return Fail(name, std::string(info->name) + " is a sampler state: write " + info->name +
                              "[stage] = ...;");
    if (!sampler && indexed) return Fail(name, std::string(info->name) + " takes no stage");
    DWORD value = 0;
    if (!ParseStateValue(*info, &value)) return false;
    if (sampler) {
        const auto type = static_cast<D3DSAMPLERSTATETYPE>(info->state);
        for (const EffectSamplerState& s : pass->samplerStates)
            if (s.stage == stage && s.type == type)
                return Fail(name, std::string(info->name) + "[" + std::to_string(stage) +
                                      "] is set twice in this pass");
        pass->samplerStates.push_back({stage, type, value});
    } else {
        const auto state = static_cast<D3DRENDERSTATETYPE>(info->state);
        for (const EffectRenderState& s : pass->renderStates)
            if (s.state == state)
                return Fail(name, std::string(info->name) + " is set twice in this pass");
        pass->renderStates.push_back({state, value});
    }
    return Expect(';', (std::string("after the value of ") + info->name).c_str());
}

bool Parser::ParseStateValue(const EffectStateInfo& info, DWORD* value) {
    const EffectToken at = m_token;
    switch (info.kind) {
        case EffectValueKind::Bool:
            if (IsWord("true") || (at.kind == EffectTokenKind::Number && at.text == "1")) {
                *value = TRUE;
            } else if (IsWord("false") || (at.kind == EffectTokenKind::Number && at.text == "0")) {
                *value = FALSE;
            } else {
                return Fail(at, std::string(info.name) + " is true or false");
            }
            return Advance();
        case EffectValueKind::Integer:
            if (at.kind != EffectTokenKind::Number || !ParseUnsigned(at.text, value) ||
                *value > info.maximum)
                return Fail(at, std::string(info.name) + " is a whole number from 0 to " +
                                    std::to_string(info.maximum));
            return Advance();
        case EffectValueKind::Float: {
            float f = 0.0f;
            if (!ParseSignedNumber(&f)) return false;
            std::memcpy(value, &f, sizeof f);
            return true;
        }
        default:
            if (at.kind != EffectTokenKind::Identifier ||
                !FindEnumerator(info.kind, at.text, value))
                return Fail(at, std::string(info.name) + " is one of " + EnumeratorList(info.kind));
            return Advance();
    }
}

bool Parser::Resolve() {
    for (const Reference& r : m_references) {
        EffectPass& pass = m_out->techniques[r.technique].passes[r.pass];
        const EffectToken at{EffectTokenKind::Identifier, r.name, r.line, r.column};
        if (r.what == Reference::Texture) {
            std::size_t index = 0;
            while (index < m_out->parameters.size() && m_out->parameters[index].name != r.name)
                ++index;
            if (index == m_out->parameters.size())
                return Fail(at, "no parameter is named '" + r.name + "'");
            if (m_out->parameters[index].type != EffectParameterType::Texture)
                return Fail(at, "'" + r.name + "' is a " +
                                    TypeKeyword(m_out->parameters[index].type) +
                                    " parameter, not a texture");
            for (const EffectTextureBinding& b : pass.textures)
                if (b.parameter == index)
                    return Fail(at, "texture '" + r.name + "' is bound to stages " +
                                        std::to_string(b.stage) + " and " +
                                        std::to_string(r.stage) +
                                        "; its shaders see it through one stage per pass");
            pass.textures.push_back({r.stage, index});
            continue;
        }
        const EffectShaderStage stage = r.what == Reference::VertexShader
                                            ? EffectShaderStage::Vertex
                                            : EffectShaderStage::Pixel;
        const char* kind = stage == EffectShaderStage::Vertex ? "vertex" : "pixel";
        std::size_t index = 0;
        while (index < m_out->shaders.size() && m_out->shaders[index].name != r.name) ++index;
        if (index == m_out->shaders.size())
            return Fail(at, std::string("no ") + kind + " shader is named '" + r.name + "'");
        if (m_out->shaders[index].stage != stage)
            return Fail(at, "'" + r.name + "' is not a " + kind + " shader");
        (stage == EffectShaderStage::Vertex ? pass.vertexShader : pass.pixelShader) = index;
    }
    return true;
}

}  // namespace

EffectTextResult ParseEffectText(const void* data, std::size_t length,
                                 EffectDescription* description, EffectTextError* error) {
    *description = EffectDescription();
    *error = EffectTextError();
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (!bytes) length = 0;
    while (length > 0 && bytes[length - 1] == 0) --length;
    if (length == 0 || !IsText(bytes, length)) return EffectTextResult::NotText;
    std::size_t start = 0;
    if (length >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) start = 3;

    // The lexer reads the bytes in place; the description copies what it keeps.
    Parser parser(reinterpret_cast<const char*>(bytes) + start, length - start, description, error);
    if (parser.Run()) return EffectTextResult::Parsed;
    *description = EffectDescription();
    return EffectTextResult::Invalid;
}

std::string FormatEffectTextError(const EffectTextError& error) {
    std::string text = "effect(" + std::to_string(error.line);
    if (error.column > 0) text += "," + std::to_string(error.column);
    return text + "): error: " + error.message;
}

}  // namespace d3dx9
