// Pure translations from Direct3D 9 values to OpenGL ones, each a table a test covers.
#pragma once

#include <epoxy/gl.h>

#include "platform/d3d9/d3d9.h"

namespace d3d9gl {

GLenum DecodeBlendFactor(DWORD blend);    // D3DBLEND; unknown values give GL_ONE
GLenum DecodeBlendOp(DWORD op);           // D3DBLENDOP; unknown values give GL_FUNC_ADD
GLenum DecodeCompareFunc(DWORD func);     // D3DCMPFUNC; unknown values give GL_ALWAYS
GLenum DecodeAddressMode(DWORD address);  // D3DTEXTUREADDRESS; unknown values give GL_REPEAT
GLenum DecodeMagFilter(DWORD filter);     // D3DTEXTUREFILTERTYPE
GLenum DecodeMinFilter(DWORD minFilter, DWORD mipFilter);

// Face culling. Direct3D names the winding as seen on the screen, y down; the device renders
// with y flipped (row 0 at the top), which makes a triangle that Direct3D calls clockwise
// counter-clockwise for OpenGL. Culling is enabled when enable is true.
struct CullSetting {
    bool enable;
    GLenum face;  // GL_BACK or GL_FRONT with glFrontFace(GL_CCW)
};
CullSetting DecodeCullMode(DWORD cull);

// A texture format's OpenGL storage and its Direct3D byte layout.
struct FormatInfo {
    bool supported;
    GLenum internalFormat;
    GLenum uploadFormat;
    GLenum uploadType;
    GLint swizzle[4];  // what r, g, b, a read from the stored channels
    UINT bytesPerPixel;
};
FormatInfo DecodeFormat(D3DFORMAT format);

// A vertex element's attribute layout.
struct DeclTypeInfo {
    bool supported;
    GLint components;  // GL_BGRA for D3DCOLOR, which is stored B, G, R, A
    GLenum type;
    GLboolean normalized;
    UINT size;  // bytes
};
DeclTypeInfo DecodeDeclType(BYTE type);

// The attribute location and GLSL input name of a vertex element's usage and usage index;
// location −1 and a null name for those the device does not offer.
struct Semantic {
    GLint location;
    const char* name;
};
Semantic SemanticOf(BYTE usage, BYTE usageIndex);
// Every semantic with a location, for binding attribute names before a program links.
constexpr int kSemanticCount = 12;
Semantic SemanticAt(int i);

// The OpenGL mode and vertex count of primitiveCount primitives; count 0 when invalid.
struct PrimitiveInfo {
    GLenum mode;
    UINT vertexCount;
};
PrimitiveInfo DecodePrimitive(D3DPRIMITIVETYPE type, UINT primitiveCount);

// 0xAARRGGBB as four floats r, g, b, a in 0..1.
void ColorToFloats(D3DCOLOR color, float rgba[4]);

// Texture units: pixel stages 0–15 are units 0–15, the vertex samplers 257–260 are 16–19.
// −1 for a sampler number without a unit (the displacement-map sampler among them).
constexpr int kTextureUnitCount = 20;
int TextureUnitOf(DWORD sampler);
bool IsValidSampler(DWORD sampler);  // the numbers above and 256

// Mip levels of a full chain down to 1 × 1.
UINT FullMipChainLength(UINT width, UINT height);

}  // namespace d3d9gl
