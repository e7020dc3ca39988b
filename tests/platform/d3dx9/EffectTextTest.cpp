// Reading effect texts, without a device: what a valid text describes, where an invalid one
// goes wrong, the GLSL handed on, and finding lines in compiler logs.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/d3dx9/d3dx9_effect_glsl.h"
#include "platform/d3dx9/d3dx9_effect_parser.h"

namespace d3dx9 {
namespace {

EffectTextResult Parse(const std::string& text, EffectDescription* description,
                       EffectTextError* error) {
    return ParseEffectText(text.data(), text.size(), description, error);
}

constexpr const char* kShaders =
    "vertexshader V { void main() { gl_Position = vec4(0.0); } }\n"
    "pixelshader P { void main() { fragColor = vec4(1.0); } }\n";

TEST(EffectTextTest, DescribesParametersShadersAndPassStates) {
    const std::string text = std::string(
                                 "// parameters\n"
                                 "float scale = -2.5f;\n"
                                 "float3 colour = {0.25, .5, 1e0};\n"
                                 "texture image;\n"
                                 "glsl {\n"
                                 "  const int kOne = 1; /* } */ // }\n"
                                 "}\n") +
                             kShaders +
                             "technique T {\n"
                             "  pass 0 {\n"
                             "    vertexshader = V; PIXELSHADER = P;\n"
                             "    AlphaTestEnable = TRUE; alphafunc = greaterequal;\n"
                             "    AlphaRef = 0x80; MipMapLodBias[3] = -0.5;\n"
                             "    Texture[3] = image; AddressU[3] = Clamp;\n"
                             "  }\n"
                             "  pass 1 { VertexShader = V; PixelShader = P; }\n"
                             "}\n";
    EffectDescription d;
    EffectTextError error;
    ASSERT_EQ(Parse(text, &d, &error), EffectTextResult::Parsed) << FormatEffectTextError(error);
    ASSERT_EQ(d.parameters.size(), 3u);
    EXPECT_EQ(d.parameters[0].defaultValue[0], -2.5f);
    EXPECT_EQ(d.parameters[0].line, 2);
    EXPECT_EQ(d.parameters[1].type, EffectParameterType::Float3);
    EXPECT_EQ(d.parameters[1].defaultValue[1], 0.5f);
    EXPECT_EQ(d.parameters[1].defaultValue[2], 1.0f);
    EXPECT_EQ(d.parameters[2].type, EffectParameterType::Texture);
    ASSERT_EQ(d.sharedGlsl.size(), 1u);
    EXPECT_EQ(d.sharedGlsl[0].line, 5);
    EXPECT_EQ(d.sharedGlsl[0].text, "\n  const int kOne = 1; /* } */ // }\n");
    ASSERT_EQ(d.shaders.size(), 2u);
    EXPECT_EQ(d.shaders[1].stage, EffectShaderStage::Pixel);
    EXPECT_EQ(d.shaders[1].body.line, 9);
    ASSERT_EQ(d.techniques.size(), 1u);
    ASSERT_EQ(d.techniques[0].passes.size(), 2u);
    const EffectPass& pass = d.techniques[0].passes[0];
    EXPECT_EQ(pass.line, 11);
    EXPECT_EQ(pass.vertexShader, 0u);
    EXPECT_EQ(pass.pixelShader, 1u);
    ASSERT_EQ(pass.renderStates.size(), 3u);
    EXPECT_EQ(pass.renderStates[0].state, D3DRS_ALPHATESTENABLE);
    EXPECT_EQ(pass.renderStates[0].value, DWORD{TRUE});
    EXPECT_EQ(pass.renderStates[1].value, DWORD{D3DCMP_GREATEREQUAL});
    EXPECT_EQ(pass.renderStates[2].value, 128u);
    ASSERT_EQ(pass.samplerStates.size(), 2u);
    float bias = 0;
    std::memcpy(&bias, &pass.samplerStates[0].value, sizeof bias);
    EXPECT_EQ(pass.samplerStates[0].stage, 3u);
    EXPECT_EQ(bias, -0.5f);
    EXPECT_EQ(pass.samplerStates[1].value, DWORD{D3DTADDRESS_CLAMP});
    ASSERT_EQ(pass.textures.size(), 1u);
    EXPECT_EQ(pass.textures[0].stage, 3u);
    EXPECT_EQ(pass.textures[0].parameter, 2u);
}

TEST(EffectTextTest, ErrorsNameTheLineAndColumnAndWhatIsWrong) {
    struct Case {
        std::string text;
        int line, column;
        const char* says;
    };
    const std::string pass = "technique T { pass 0 { VertexShader = V; PixelShader = P;\n";
    const Case cases[] = {
        {"float a\n", 2, 1, "expected ';' after the parameter"},
        {"float4 a = {1, 2};", 1, 12, "has 4 numbers"},
        {"float a = {1};", 1, 11, "expected a number"},
        {"texture t = 1;", 1, 11, "takes no default"},
        {"float gl_Thing;", 1, 7, "reserved"},
        {"float a; float a;", 1, 16, "already declared"},
        {"double a;", 1, 1, "not a parameter type"},
        {"float a = 1.2.3;", 1, 11, "'1.2.3' is not a number"},
        {"float a = 4px;", 1, 11, "'4px' is not a number"},
        {"float a = 1e999;", 1, 11, "not a float value"},
        {"float a; $", 1, 10, "unexpected '$'"},
        {"float a; /* open", 1, 10, "no closing '*/'"},
        {"// nothing\n", 2, 1, "no technique"},
        {std::string(kShaders) + "vertexshader V { }", 3, 14, "already declared"},
        {"glsl {\n  void f() {\n", 1, 6, "no closing '}'"},
        {std::string(kShaders) + "technique T {\n}", 3, 11, "has no pass"},
        {std::string(kShaders) + "technique T { pass 1 { } }", 3, 20, "expected pass 0"},
        {std::string(kShaders) + "technique T { pass 0 { PixelShader = P; } }", 3, 15,
         "sets no VertexShader"},
        {std::string(kShaders) + pass + "  Lighting = true; } }", 4, 3,
         "no render state or sampler state"},
        {std::string(kShaders) + pass + "  AlphaRef = 256; } }", 4, 14, "0 to 255"},
        {std::string(kShaders) + pass + "  AlphaFunc = Sometimes; } }", 4, 15,
         "one of Never, Less, Equal"},
        {std::string(kShaders) + pass + "  ZWriteEnable = 2; } }", 4, 18, "true or false"},
        {std::string(kShaders) + pass + "  MinFilter = Point; } }", 4, 3, "MinFilter[stage]"},
        {std::string(kShaders) + pass + "  ZFunc[0] = Less; } }", 4, 3, "takes no stage"},
        {std::string(kShaders) + pass + "  MinFilter[16] = Point; } }", 4, 13, "0 to 15"},
        {std::string(kShaders) + pass + "  ZFunc = Less; ZFunc = Less; } }", 4, 17, "set twice"},
        {std::string(kShaders) + pass + "  PixelShader = P; } }", 4, 3, "set twice"},
        {std::string(kShaders) + pass + "  Texture[0] = nothing; } }", 4, 16,
         "no parameter is named 'nothing'"},
        {"float f;\n" + std::string(kShaders) + pass + "  Texture[0] = f; } }", 5, 16,
         "not a texture"},
        {"texture t;\n" + std::string(kShaders) + pass + "  Texture[0] = t; Texture[1] = t; } }", 5,
         32, "stages 0 and 1"},
        {std::string(kShaders) + "technique T { pass 0 { VertexShader = P; PixelShader = P; } }", 3,
         39, "'P' is not a vertex shader"},
        {std::string(kShaders) + "technique T { pass 0 { VertexShader = W; PixelShader = P; } }", 3,
         39, "no vertex shader is named 'W'"},
        {std::string(kShaders) + "technique T { pass 0 { VertexShader = V; PixelShader = P; }", 3,
         11, "no closing '}'"},
    };
    for (const Case& c : cases) {
        EffectDescription d;
        EffectTextError error;
        EXPECT_EQ(Parse(c.text, &d, &error), EffectTextResult::Invalid) << c.text;
        EXPECT_EQ(error.line, c.line) << c.text << "\n" << error.message;
        EXPECT_EQ(error.column, c.column) << c.text << "\n" << error.message;
        EXPECT_NE(error.message.find(c.says), std::string::npos) << c.text << "\n" << error.message;
        EXPECT_TRUE(d.techniques.empty());
    }
}

TEST(EffectTextTest, BytesThatAreNoTextAreToldApart) {
    const std::string valid =
        std::string(kShaders) + "technique T { pass 0 { VertexShader = V; PixelShader = P; } }";
    struct Case {
        std::string bytes;
        EffectTextResult result;
    };
    const Case cases[] = {
        {"", EffectTextResult::NotText},
        {std::string(8, '\0'), EffectTextResult::NotText},
        {std::string("float a;\0float b;", 17), EffectTextResult::NotText},
        {"float a;\x01", EffectTextResult::NotText},
        {"\x7F", EffectTextResult::NotText},
        {valid + std::string(3, '\0'), EffectTextResult::Parsed},  // a terminator is fine
        {"\xEF\xBB\xBF" + valid, EffectTextResult::Parsed},        // so is a byte-order mark
        {"// caf\xC3\xA9\r\n" + valid, EffectTextResult::Parsed},  // and UTF-8 in comments
        {"\xC3\xA9", EffectTextResult::Invalid},                   // but not elsewhere
    };
    for (const Case& c : cases) {
        EffectDescription d;
        EffectTextError error;
        EXPECT_EQ(ParseEffectText(c.bytes.data(), c.bytes.size(), &d, &error), c.result)
            << c.bytes << "\n"
            << error.message;
    }
    EffectDescription d;
    EffectTextError error;
    EXPECT_EQ(ParseEffectText(nullptr, 10, &d, &error), EffectTextResult::NotText);
}

TEST(EffectTextTest, TheRealEffectDescribesTStandardWithSevenPasses) {
    std::ifstream file(DF_EFFECT_SOURCE, std::ios::binary);
    ASSERT_TRUE(file) << DF_EFFECT_SOURCE;
    std::stringstream text;
    text << file.rdbuf();
    EffectDescription d;
    EffectTextError error;
    ASSERT_EQ(Parse(text.str(), &d, &error), EffectTextResult::Parsed)
        << FormatEffectTextError(error);
    ASSERT_EQ(d.techniques.size(), 1u);
    EXPECT_EQ(d.techniques[0].name, "TStandard");
    EXPECT_EQ(d.techniques[0].passes.size(), 7u);
    // Every pass sets the alpha test one way or the other, since nothing is restored between
    // passes; every pass that samples binds the texture with clamped addressing.
    for (const EffectPass& pass : d.techniques[0].passes) {
        bool alphaTest = false;
        for (const EffectRenderState& s : pass.renderStates)
            alphaTest = alphaTest || s.state == D3DRS_ALPHATESTENABLE;
        EXPECT_TRUE(alphaTest) << "pass on line " << pass.line;
        for (const EffectTextureBinding& b : pass.textures) {
            int clamped = 0;
            for (const EffectSamplerState& s : pass.samplerStates)
                if (s.stage == b.stage &&
                    (s.type == D3DSAMP_ADDRESSU || s.type == D3DSAMP_ADDRESSV) &&
                    s.value == D3DTADDRESS_CLAMP)
                    ++clamped;
            EXPECT_EQ(clamped, 2) << "pass on line " << pass.line;
        }
    }
}

TEST(EffectTextTest, ShaderSourcesMapEveryPartToItsEffectLine) {
    const std::string text = std::string("float4x4 m;\ntexture t;\nglsl { float g; }\n") +
                             kShaders +
                             "technique T { pass 0 { VertexShader = V; PixelShader = P; } }";
    EffectDescription d;
    EffectTextError error;
    ASSERT_EQ(Parse(text, &d, &error), EffectTextResult::Parsed) << FormatEffectTextError(error);
    EXPECT_EQ(AssembleShaderSource(d, d.shaders[1]),
              "#line 1\nuniform mat4 m;\n"
              "#line 2\nuniform sampler2D t;\n"
              "#line 3\n float g; \n"
              "#line 5\n void main() { fragColor = vec4(1.0); } \n");
}

TEST(EffectTextTest, FindsTheFirstLineThatACompilerLogNames) {
    struct Case {
        const char* log;
        int line;
    };
    const Case cases[] = {
        {"fragment shader:\n0:57(12): error: `x' undeclared\n0:60(1): error: y", 57},
        {"vertex shader:\n0(41) : error C1008: undefined variable \"x\"", 41},
        {"fragment shader:\nERROR: 0:9: 'x' : undeclared identifier", 9},
        {"link:\nerror: fragment shader input `v' has no matching output", 0},
        {"10:5 is not a location", 0},
        {"", 0},
        {nullptr, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(FirstLineInLog(c.log), c.line) << c.log;
}

}  // namespace
}  // namespace d3dx9
