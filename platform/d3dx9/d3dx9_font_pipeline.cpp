#include "platform/d3dx9/d3dx9_font_pipeline.h"

#include <cstddef>

namespace d3dx9 {

namespace {

constexpr const char* kVertexShader =
    "in vec4 POSITION;\n"
    "in vec4 COLOR0;\n"
    "in vec2 TEXCOORD0;\n"
    "out vec4 textColor;\n"
    "out vec2 atlasCoord;\n"
    "void main() {\n"
    "    gl_Position = POSITION;\n"
    "    textColor = COLOR0;\n"
    "    atlasCoord = TEXCOORD0;\n"
    "}\n";

// An A8 page samples as (0, 0, 0, coverage).
constexpr const char* kFragmentShader =
    "in vec4 textColor;\n"
    "in vec2 atlasCoord;\n"
    "uniform sampler2D atlas;\n"
    "void main() {\n"
    "    fragColor = vec4(textColor.rgb, textColor.a * texture(atlas, atlasCoord).a);\n"
    "}\n";

const D3DVERTEXELEMENT9 kElements[] = {
    {0, offsetof(TextVertex, x), D3DDECLTYPE_FLOAT4, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_POSITION,
     0},
    {0, offsetof(TextVertex, color), D3DDECLTYPE_D3DCOLOR, D3DDECLMETHOD_DEFAULT,
     D3DDECLUSAGE_COLOR, 0},
    {0, offsetof(TextVertex, u), D3DDECLTYPE_FLOAT2, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_TEXCOORD,
     0},
    D3DDECL_END(),
};

}  // namespace

FontPipeline::~FontPipeline() {
    if (m_program) m_program->Release();
    if (m_declaration) m_declaration->Release();
}

HRESULT FontPipeline::Create(IDirect3DDevice9* device) {
    IDirect3DDevice9Gl* gl = nullptr;
    HRESULT hr = device->QueryInterface(IID_IDirect3DDevice9Gl, reinterpret_cast<void**>(&gl));
    if (FAILED(hr)) return hr;
    hr = gl->CreateShaderProgram(kVertexShader, kFragmentShader, &m_program, nullptr);
    if (SUCCEEDED(hr)) {
        const INT stage = static_cast<INT>(kStage);
        hr = gl->SetUniform(m_program, m_program->GetUniformLocation("atlas"), kGlUniformInt1,
                            &stage, 1);
    }
    gl->Release();
    if (FAILED(hr)) return hr;
    return device->CreateVertexDeclaration(kElements, &m_declaration);
}

}  // namespace d3dx9
