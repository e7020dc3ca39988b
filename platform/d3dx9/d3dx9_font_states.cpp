#include "platform/d3dx9/d3dx9_font_states.h"

namespace d3dx9 {

namespace {

struct RenderStateValue {
    D3DRENDERSTATETYPE state;
    DWORD value;
};

struct SamplerStateValue {
    D3DSAMPLERSTATETYPE state;
    DWORD value;
};

// The colour is blended by its alpha over what is there; the target's alpha composes the
// same way ("over"), so an opaque target stays opaque under a translucent text.
constexpr RenderStateValue kRenderStates[] = {
    {D3DRS_ALPHABLENDENABLE, TRUE},
    {D3DRS_SRCBLEND, D3DBLEND_SRCALPHA},
    {D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA},
    {D3DRS_BLENDOP, D3DBLENDOP_ADD},
    {D3DRS_SEPARATEALPHABLENDENABLE, TRUE},
    {D3DRS_SRCBLENDALPHA, D3DBLEND_ONE},
    {D3DRS_DESTBLENDALPHA, D3DBLEND_INVSRCALPHA},
    {D3DRS_BLENDOPALPHA, D3DBLENDOP_ADD},
    {D3DRS_ALPHATESTENABLE, FALSE},
    {D3DRS_ZENABLE, D3DZB_FALSE},
    {D3DRS_ZWRITEENABLE, FALSE},
    {D3DRS_CULLMODE, D3DCULL_NONE},
    {D3DRS_FILLMODE, D3DFILL_SOLID},
    {D3DRS_COLORWRITEENABLE, 0xF},
};

// Glyph quads lie on whole pixels at the atlas's own size: each pixel takes one texel.
constexpr SamplerStateValue kSamplerStates[] = {
    {D3DSAMP_ADDRESSU, D3DTADDRESS_CLAMP},
    {D3DSAMP_ADDRESSV, D3DTADDRESS_CLAMP},
    {D3DSAMP_MAGFILTER, D3DTEXF_POINT},
    {D3DSAMP_MINFILTER, D3DTEXF_POINT},
    {D3DSAMP_MIPFILTER, D3DTEXF_NONE},
    {D3DSAMP_MAXMIPLEVEL, 0},
    {D3DSAMP_MIPMAPLODBIAS, 0},
    {D3DSAMP_SRGBTEXTURE, 0},
};

static_assert(sizeof kRenderStates / sizeof kRenderStates[0] == FontDrawStates::kRenderStateCount);
static_assert(sizeof kSamplerStates / sizeof kSamplerStates[0] ==
              FontDrawStates::kSamplerStateCount);

}  // namespace

FontDrawStates::FontDrawStates(IDirect3DDevice9* device, IDirect3DDevice9Gl* gl,
                               const FontPipeline& pipeline)
    : m_device(device), m_gl(gl) {
    for (std::size_t i = 0; i < kRenderStateCount; ++i) {
        m_renderStateSaved[i] =
            SUCCEEDED(device->GetRenderState(kRenderStates[i].state, &m_renderStates[i]));
        if (m_renderStateSaved[i])
            device->SetRenderState(kRenderStates[i].state, kRenderStates[i].value);
    }
    constexpr DWORD stage = FontPipeline::kStage;
    for (std::size_t i = 0; i < kSamplerStateCount; ++i) {
        m_samplerStateSaved[i] =
            SUCCEEDED(device->GetSamplerState(stage, kSamplerStates[i].state, &m_samplerStates[i]));
        if (m_samplerStateSaved[i])
            device->SetSamplerState(stage, kSamplerStates[i].state, kSamplerStates[i].value);
    }
    // Each Get adds a reference, given back once the binding is restored.
    device->GetTexture(stage, &m_texture);
    device->GetVertexDeclaration(&m_declaration);
    gl->GetShaderProgram(&m_program);
    device->SetVertexDeclaration(pipeline.Declaration());
    gl->SetShaderProgram(pipeline.Program());
}

FontDrawStates::~FontDrawStates() {
    constexpr DWORD stage = FontPipeline::kStage;
    for (std::size_t i = 0; i < kRenderStateCount; ++i)
        if (m_renderStateSaved[i])
            m_device->SetRenderState(kRenderStates[i].state, m_renderStates[i]);
    for (std::size_t i = 0; i < kSamplerStateCount; ++i)
        if (m_samplerStateSaved[i])
            m_device->SetSamplerState(stage, kSamplerStates[i].state, m_samplerStates[i]);
    m_device->SetTexture(stage, m_texture);
    m_device->SetVertexDeclaration(m_declaration);
    m_gl->SetShaderProgram(m_program);
    if (m_texture) m_texture->Release();
    if (m_declaration) m_declaration->Release();
    if (m_program) m_program->Release();
}

}  // namespace d3dx9
