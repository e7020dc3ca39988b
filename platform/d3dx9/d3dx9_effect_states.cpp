#include "platform/d3dx9/d3dx9_effect_states.h"

namespace d3dx9 {

namespace {

using K = EffectValueKind;

const EffectStateInfo kRenderStates[] = {
    {"ZEnable", D3DRS_ZENABLE, K::ZBuffer, 0},
    {"FillMode", D3DRS_FILLMODE, K::FillMode, 0},
    {"ZWriteEnable", D3DRS_ZWRITEENABLE, K::Bool, 0},
    {"AlphaTestEnable", D3DRS_ALPHATESTENABLE, K::Bool, 0},
    {"SrcBlend", D3DRS_SRCBLEND, K::Blend, 0},
    {"DestBlend", D3DRS_DESTBLEND, K::Blend, 0},
    {"CullMode", D3DRS_CULLMODE, K::CullMode, 0},
    {"ZFunc", D3DRS_ZFUNC, K::CompareFunc, 0},
    {"AlphaRef", D3DRS_ALPHAREF, K::Integer, 255},
    {"AlphaFunc", D3DRS_ALPHAFUNC, K::CompareFunc, 0},
    {"DitherEnable", D3DRS_DITHERENABLE, K::Bool, 0},
    {"AlphaBlendEnable", D3DRS_ALPHABLENDENABLE, K::Bool, 0},
    {"StencilEnable", D3DRS_STENCILENABLE, K::Bool, 0},
    {"ColorWriteEnable", D3DRS_COLORWRITEENABLE, K::Integer, 15},
    {"BlendOp", D3DRS_BLENDOP, K::BlendOp, 0},
    {"ScissorTestEnable", D3DRS_SCISSORTESTENABLE, K::Bool, 0},
    {"SRGBWriteEnable", D3DRS_SRGBWRITEENABLE, K::Bool, 0},
    {"SeparateAlphaBlendEnable", D3DRS_SEPARATEALPHABLENDENABLE, K::Bool, 0},
    {"SrcBlendAlpha", D3DRS_SRCBLENDALPHA, K::Blend, 0},
    {"DestBlendAlpha", D3DRS_DESTBLENDALPHA, K::Blend, 0},
    {"BlendOpAlpha", D3DRS_BLENDOPALPHA, K::BlendOp, 0},
};

const EffectStateInfo kSamplerStates[] = {
    {"AddressU", D3DSAMP_ADDRESSU, K::TextureAddress, 0},
    {"AddressV", D3DSAMP_ADDRESSV, K::TextureAddress, 0},
    {"AddressW", D3DSAMP_ADDRESSW, K::TextureAddress, 0},
    {"BorderColor", D3DSAMP_BORDERCOLOR, K::Integer, 0xFFFFFFFFu},
    {"MagFilter", D3DSAMP_MAGFILTER, K::TextureFilter, 0},
    {"MinFilter", D3DSAMP_MINFILTER, K::TextureFilter, 0},
    {"MipFilter", D3DSAMP_MIPFILTER, K::TextureFilter, 0},
    {"MipMapLodBias", D3DSAMP_MIPMAPLODBIAS, K::Float, 0},
    {"MaxMipLevel", D3DSAMP_MAXMIPLEVEL, K::Integer, 15},
    {"MaxAnisotropy", D3DSAMP_MAXANISOTROPY, K::Integer, 16},
    {"SRGBTexture", D3DSAMP_SRGBTEXTURE, K::Bool, 0},
};

struct Enumerator {
    K kind;
    const char* name;
    DWORD value;
};

const Enumerator kEnumerators[] = {
    {K::ZBuffer, "False", D3DZB_FALSE},
    {K::ZBuffer, "True", D3DZB_TRUE},
    {K::ZBuffer, "UseW", D3DZB_USEW},
    {K::FillMode, "Point", D3DFILL_POINT},
    {K::FillMode, "Wireframe", D3DFILL_WIREFRAME},
    {K::FillMode, "Solid", D3DFILL_SOLID},
    {K::CullMode, "None", D3DCULL_NONE},
    {K::CullMode, "CW", D3DCULL_CW},
    {K::CullMode, "CCW", D3DCULL_CCW},
    {K::CompareFunc, "Never", D3DCMP_NEVER},
    {K::CompareFunc, "Less", D3DCMP_LESS},
    {K::CompareFunc, "Equal", D3DCMP_EQUAL},
    {K::CompareFunc, "LessEqual", D3DCMP_LESSEQUAL},
    {K::CompareFunc, "Greater", D3DCMP_GREATER},
    {K::CompareFunc, "NotEqual", D3DCMP_NOTEQUAL},
    {K::CompareFunc, "GreaterEqual", D3DCMP_GREATEREQUAL},
    {K::CompareFunc, "Always", D3DCMP_ALWAYS},
    {K::Blend, "Zero", D3DBLEND_ZERO},
    {K::Blend, "One", D3DBLEND_ONE},
    {K::Blend, "SrcColor", D3DBLEND_SRCCOLOR},
    {K::Blend, "InvSrcColor", D3DBLEND_INVSRCCOLOR},
    {K::Blend, "SrcAlpha", D3DBLEND_SRCALPHA},
    {K::Blend, "InvSrcAlpha", D3DBLEND_INVSRCALPHA},
    {K::Blend, "DestAlpha", D3DBLEND_DESTALPHA},
    {K::Blend, "InvDestAlpha", D3DBLEND_INVDESTALPHA},
    {K::Blend, "DestColor", D3DBLEND_DESTCOLOR},
    {K::Blend, "InvDestColor", D3DBLEND_INVDESTCOLOR},
    {K::Blend, "SrcAlphaSat", D3DBLEND_SRCALPHASAT},
    {K::BlendOp, "Add", D3DBLENDOP_ADD},
    {K::BlendOp, "Subtract", D3DBLENDOP_SUBTRACT},
    {K::BlendOp, "RevSubtract", D3DBLENDOP_REVSUBTRACT},
    {K::BlendOp, "Min", D3DBLENDOP_MIN},
    {K::BlendOp, "Max", D3DBLENDOP_MAX},
    {K::TextureAddress, "Wrap", D3DTADDRESS_WRAP},
    {K::TextureAddress, "Mirror", D3DTADDRESS_MIRROR},
    {K::TextureAddress, "Clamp", D3DTADDRESS_CLAMP},
    {K::TextureAddress, "Border", D3DTADDRESS_BORDER},
    {K::TextureAddress, "MirrorOnce", D3DTADDRESS_MIRRORONCE},
    {K::TextureFilter, "None", D3DTEXF_NONE},
    {K::TextureFilter, "Point", D3DTEXF_POINT},
    {K::TextureFilter, "Linear", D3DTEXF_LINEAR},
    {K::TextureFilter, "Anisotropic", D3DTEXF_ANISOTROPIC},
};

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

template <size_t N>
const EffectStateInfo* Find(const EffectStateInfo (&table)[N], const std::string& name) {
    for (const EffectStateInfo& info : table)
        if (EqualNoCase(name, info.name)) return &info;
    return nullptr;
}

}  // namespace

bool EqualNoCase(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size(); ++i)
        if (b[i] == '\0' || Lower(a[i]) != Lower(b[i])) return false;
    return b[i] == '\0';
}

const EffectStateInfo* FindRenderState(const std::string& name) {
    return Find(kRenderStates, name);
}

const EffectStateInfo* FindSamplerState(const std::string& name) {
    return Find(kSamplerStates, name);
}

bool FindEnumerator(EffectValueKind kind, const std::string& name, DWORD* value) {
    for (const Enumerator& e : kEnumerators) {
        if (e.kind == kind && EqualNoCase(name, e.name)) {
            *value = e.value;
            return true;
        }
    }
    return false;
}

std::string EnumeratorList(EffectValueKind kind) {
    std::string list;
    for (const Enumerator& e : kEnumerators) {
        if (e.kind != kind) continue;
        if (!list.empty()) list += ", ";
        list += e.name;
    }
    return list;
}

}  // namespace d3dx9
