#include "platform/d3d9/d3d9_util.h"

namespace d3d9gl {

GLenum DecodeBlendFactor(DWORD blend) {
    switch (blend) {
        case D3DBLEND_ZERO:
            return GL_ZERO;
        case D3DBLEND_ONE:
            return GL_ONE;
        case D3DBLEND_SRCCOLOR:
            return GL_SRC_COLOR;
        case D3DBLEND_INVSRCCOLOR:
            return GL_ONE_MINUS_SRC_COLOR;
        case D3DBLEND_SRCALPHA:
            return GL_SRC_ALPHA;
        case D3DBLEND_INVSRCALPHA:
            return GL_ONE_MINUS_SRC_ALPHA;
        case D3DBLEND_DESTALPHA:
            return GL_DST_ALPHA;
        case D3DBLEND_INVDESTALPHA:
            return GL_ONE_MINUS_DST_ALPHA;
        case D3DBLEND_DESTCOLOR:
            return GL_DST_COLOR;
        case D3DBLEND_INVDESTCOLOR:
            return GL_ONE_MINUS_DST_COLOR;
        case D3DBLEND_SRCALPHASAT:
            return GL_SRC_ALPHA_SATURATE;
        default:
            return GL_ONE;
    }
}

GLenum DecodeBlendOp(DWORD op) {
    switch (op) {
        case D3DBLENDOP_ADD:
            return GL_FUNC_ADD;
        case D3DBLENDOP_SUBTRACT:
            return GL_FUNC_SUBTRACT;
        case D3DBLENDOP_REVSUBTRACT:
            return GL_FUNC_REVERSE_SUBTRACT;
        case D3DBLENDOP_MIN:
            return GL_MIN;
        case D3DBLENDOP_MAX:
            return GL_MAX;
        default:
            return GL_FUNC_ADD;
    }
}

GLenum DecodeCompareFunc(DWORD func) {
    switch (func) {
        case D3DCMP_NEVER:
            return GL_NEVER;
        case D3DCMP_LESS:
            return GL_LESS;
        case D3DCMP_EQUAL:
            return GL_EQUAL;
        case D3DCMP_LESSEQUAL:
            return GL_LEQUAL;
        case D3DCMP_GREATER:
            return GL_GREATER;
        case D3DCMP_NOTEQUAL:
            return GL_NOTEQUAL;
        case D3DCMP_GREATEREQUAL:
            return GL_GEQUAL;
        default:
            return GL_ALWAYS;
    }
}

GLenum DecodeAddressMode(DWORD address) {
    switch (address) {
        case D3DTADDRESS_WRAP:
            return GL_REPEAT;
        case D3DTADDRESS_MIRROR:
            return GL_MIRRORED_REPEAT;
        case D3DTADDRESS_CLAMP:
            return GL_CLAMP_TO_EDGE;
        case D3DTADDRESS_BORDER:
            return GL_CLAMP_TO_BORDER;
        // Mirror once needs OpenGL 4.4; mirroring every repeat agrees with it on [-1, 1].
        case D3DTADDRESS_MIRRORONCE:
            return GL_MIRRORED_REPEAT;
        default:
            return GL_REPEAT;
    }
}

GLenum DecodeMagFilter(DWORD filter) {
    return filter == D3DTEXF_POINT || filter == D3DTEXF_NONE ? GL_NEAREST : GL_LINEAR;
}

GLenum DecodeMinFilter(DWORD minFilter, DWORD mipFilter) {
    const bool linear = !(minFilter == D3DTEXF_POINT || minFilter == D3DTEXF_NONE);
    switch (mipFilter) {
        case D3DTEXF_NONE:
            return linear ? GL_LINEAR : GL_NEAREST;
        case D3DTEXF_POINT:
            return linear ? GL_LINEAR_MIPMAP_NEAREST : GL_NEAREST_MIPMAP_NEAREST;
        default:
            return linear ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_LINEAR;
    }
}

CullSetting DecodeCullMode(DWORD cull) {
    switch (cull) {
        case D3DCULL_CW:
            return {true, GL_FRONT};
        case D3DCULL_CCW:
            return {true, GL_BACK};
        default:
            return {false, GL_BACK};
    }
}

FormatInfo DecodeFormat(D3DFORMAT format) {
    switch (format) {
        // Direct3D's A8R8G8B8 is stored B, G, R, A in memory, which OpenGL uploads as BGRA.
        case D3DFMT_A8R8G8B8:
            return {
                true, GL_RGBA8, GL_BGRA, GL_UNSIGNED_BYTE, {GL_RED, GL_GREEN, GL_BLUE, GL_ALPHA},
                4};
        case D3DFMT_X8R8G8B8:
            return {true, GL_RGBA8, GL_BGRA, GL_UNSIGNED_BYTE, {GL_RED, GL_GREEN, GL_BLUE, GL_ONE},
                    4};
        // A8 reads as (0, 0, 0, a), L8 as (l, l, l, 1).
        case D3DFMT_A8:
            return {true, GL_R8, GL_RED, GL_UNSIGNED_BYTE, {GL_ZERO, GL_ZERO, GL_ZERO, GL_RED}, 1};
        case D3DFMT_L8:
            return {true, GL_R8, GL_RED, GL_UNSIGNED_BYTE, {GL_RED, GL_RED, GL_RED, GL_ONE}, 1};
        default:
            return {false, 0, 0, 0, {0, 0, 0, 0}, 0};
    }
}

DeclTypeInfo DecodeDeclType(BYTE type) {
    switch (type) {
        case D3DDECLTYPE_FLOAT1:
            return {true, 1, GL_FLOAT, GL_FALSE, 4};
        case D3DDECLTYPE_FLOAT2:
            return {true, 2, GL_FLOAT, GL_FALSE, 8};
        case D3DDECLTYPE_FLOAT3:
            return {true, 3, GL_FLOAT, GL_FALSE, 12};
        case D3DDECLTYPE_FLOAT4:
            return {true, 4, GL_FLOAT, GL_FALSE, 16};
        case D3DDECLTYPE_D3DCOLOR:
            return {true, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, 4};
        case D3DDECLTYPE_UBYTE4:
            return {true, 4, GL_UNSIGNED_BYTE, GL_FALSE, 4};
        case D3DDECLTYPE_UBYTE4N:
            return {true, 4, GL_UNSIGNED_BYTE, GL_TRUE, 4};
        default:
            return {false, 0, 0, GL_FALSE, 0};
    }
}

namespace {
constexpr Semantic kSemantics[kSemanticCount] = {
    {0, "POSITION"},  {1, "NORMAL"},    {2, "COLOR0"},     {3, "COLOR1"},
    {4, "TEXCOORD0"}, {5, "TEXCOORD1"}, {6, "TEXCOORD2"},  {7, "TEXCOORD3"},
    {8, "TEXCOORD4"}, {9, "TEXCOORD5"}, {10, "TEXCOORD6"}, {11, "TEXCOORD7"},
};
}  // namespace

Semantic SemanticOf(BYTE usage, BYTE usageIndex) {
    switch (usage) {
        case D3DDECLUSAGE_POSITION:
        case D3DDECLUSAGE_POSITIONT:
            return usageIndex == 0 ? kSemantics[0] : Semantic{-1, nullptr};
        case D3DDECLUSAGE_NORMAL:
            return usageIndex == 0 ? kSemantics[1] : Semantic{-1, nullptr};
        case D3DDECLUSAGE_COLOR:
            return usageIndex < 2 ? kSemantics[2 + usageIndex] : Semantic{-1, nullptr};
        case D3DDECLUSAGE_TEXCOORD:
            return usageIndex < 8 ? kSemantics[4 + usageIndex] : Semantic{-1, nullptr};
        default:
            return {-1, nullptr};
    }
}

Semantic SemanticAt(int i) {
    return i >= 0 && i < kSemanticCount ? kSemantics[i] : Semantic{-1, nullptr};
}

PrimitiveInfo DecodePrimitive(D3DPRIMITIVETYPE type, UINT count) {
    if (count == 0 || count > 0x3FFFFFFFu) return {GL_TRIANGLES, 0};
    switch (type) {
        case D3DPT_POINTLIST:
            return {GL_POINTS, count};
        case D3DPT_LINELIST:
            return {GL_LINES, count * 2};
        case D3DPT_LINESTRIP:
            return {GL_LINE_STRIP, count + 1};
        case D3DPT_TRIANGLELIST:
            return {GL_TRIANGLES, count * 3};
        case D3DPT_TRIANGLESTRIP:
            return {GL_TRIANGLE_STRIP, count + 2};
        case D3DPT_TRIANGLEFAN:
            return {GL_TRIANGLE_FAN, count + 2};
        default:
            return {GL_TRIANGLES, 0};
    }
}

void ColorToFloats(D3DCOLOR color, float rgba[4]) {
    rgba[0] = static_cast<float>((color >> 16) & 0xFF) / 255.0f;
    rgba[1] = static_cast<float>((color >> 8) & 0xFF) / 255.0f;
    rgba[2] = static_cast<float>(color & 0xFF) / 255.0f;
    rgba[3] = static_cast<float>((color >> 24) & 0xFF) / 255.0f;
}

int TextureUnitOf(DWORD sampler) {
    if (sampler < 16) return static_cast<int>(sampler);
    if (sampler >= D3DVERTEXTEXTURESAMPLER0 && sampler <= D3DVERTEXTEXTURESAMPLER3)
        return static_cast<int>(16 + sampler - D3DVERTEXTEXTURESAMPLER0);
    return -1;
}

bool IsValidSampler(DWORD sampler) {
    return TextureUnitOf(sampler) >= 0 || sampler == D3DDMAPSAMPLER;
}

UINT FullMipChainLength(UINT width, UINT height) {
    UINT size = width > height ? width : height;
    UINT levels = 1;
    while (size > 1) {
        size >>= 1;
        ++levels;
    }
    return levels;
}

}  // namespace d3d9gl
