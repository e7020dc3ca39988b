// The pure translations from Direct3D 9 values to OpenGL ones.
#include <gtest/gtest.h>

#include "platform/d3d9/d3d9_shader_source.h"
#include "platform/d3d9/d3d9_state.h"
#include "platform/d3d9/d3d9_util.h"

namespace d3d9gl {
namespace {

TEST(UtilTest, BlendFactorsAndOperations) {
    const std::pair<DWORD, GLenum> factors[] = {
        {D3DBLEND_ZERO, GL_ZERO},
        {D3DBLEND_ONE, GL_ONE},
        {D3DBLEND_SRCCOLOR, GL_SRC_COLOR},
        {D3DBLEND_INVSRCCOLOR, GL_ONE_MINUS_SRC_COLOR},
        {D3DBLEND_SRCALPHA, GL_SRC_ALPHA},
        {D3DBLEND_INVSRCALPHA, GL_ONE_MINUS_SRC_ALPHA},
        {D3DBLEND_DESTALPHA, GL_DST_ALPHA},
        {D3DBLEND_INVDESTALPHA, GL_ONE_MINUS_DST_ALPHA},
        {D3DBLEND_DESTCOLOR, GL_DST_COLOR},
        {D3DBLEND_INVDESTCOLOR, GL_ONE_MINUS_DST_COLOR},
        {D3DBLEND_SRCALPHASAT, GL_SRC_ALPHA_SATURATE},
        {99, GL_ONE},
    };
    for (const auto& [d3d, gl] : factors) EXPECT_EQ(DecodeBlendFactor(d3d), gl) << d3d;
    const std::pair<DWORD, GLenum> ops[] = {
        {D3DBLENDOP_ADD, GL_FUNC_ADD},
        {D3DBLENDOP_SUBTRACT, GL_FUNC_SUBTRACT},
        {D3DBLENDOP_REVSUBTRACT, GL_FUNC_REVERSE_SUBTRACT},
        {D3DBLENDOP_MIN, GL_MIN},
        {D3DBLENDOP_MAX, GL_MAX},
        {0, GL_FUNC_ADD},
    };
    for (const auto& [d3d, gl] : ops) EXPECT_EQ(DecodeBlendOp(d3d), gl) << d3d;
}

TEST(UtilTest, CompareFunctionsAndAddressModes) {
    const std::pair<DWORD, GLenum> compare[] = {
        {D3DCMP_NEVER, GL_NEVER},
        {D3DCMP_LESS, GL_LESS},
        {D3DCMP_EQUAL, GL_EQUAL},
        {D3DCMP_LESSEQUAL, GL_LEQUAL},
        {D3DCMP_GREATER, GL_GREATER},
        {D3DCMP_NOTEQUAL, GL_NOTEQUAL},
        {D3DCMP_GREATEREQUAL, GL_GEQUAL},
        {D3DCMP_ALWAYS, GL_ALWAYS},
        {0, GL_ALWAYS},
    };
    for (const auto& [d3d, gl] : compare) EXPECT_EQ(DecodeCompareFunc(d3d), gl) << d3d;
    const std::pair<DWORD, GLenum> address[] = {
        {D3DTADDRESS_WRAP, GL_REPEAT},
        {D3DTADDRESS_MIRROR, GL_MIRRORED_REPEAT},
        {D3DTADDRESS_CLAMP, GL_CLAMP_TO_EDGE},
        {D3DTADDRESS_BORDER, GL_CLAMP_TO_BORDER},
        {D3DTADDRESS_MIRRORONCE, GL_MIRRORED_REPEAT},
    };
    for (const auto& [d3d, gl] : address) EXPECT_EQ(DecodeAddressMode(d3d), gl) << d3d;
}

TEST(UtilTest, FiltersCombineTheMinifyingAndMipFilters) {
    struct Case {
        DWORD min, mip;
        GLenum gl;
    };
    for (const Case c : {Case{D3DTEXF_POINT, D3DTEXF_NONE, GL_NEAREST},
                         Case{D3DTEXF_LINEAR, D3DTEXF_NONE, GL_LINEAR},
                         Case{D3DTEXF_POINT, D3DTEXF_POINT, GL_NEAREST_MIPMAP_NEAREST},
                         Case{D3DTEXF_LINEAR, D3DTEXF_POINT, GL_LINEAR_MIPMAP_NEAREST},
                         Case{D3DTEXF_POINT, D3DTEXF_LINEAR, GL_NEAREST_MIPMAP_LINEAR},
                         Case{D3DTEXF_LINEAR, D3DTEXF_LINEAR, GL_LINEAR_MIPMAP_LINEAR},
                         Case{D3DTEXF_ANISOTROPIC, D3DTEXF_LINEAR, GL_LINEAR_MIPMAP_LINEAR}})
        EXPECT_EQ(DecodeMinFilter(c.min, c.mip), c.gl) << c.min << "/" << c.mip;
    EXPECT_EQ(DecodeMagFilter(D3DTEXF_POINT), static_cast<GLenum>(GL_NEAREST));
    EXPECT_EQ(DecodeMagFilter(D3DTEXF_LINEAR), static_cast<GLenum>(GL_LINEAR));
}

TEST(UtilTest, PrimitivesCountTheirVertices) {
    struct Case {
        D3DPRIMITIVETYPE type;
        UINT count, vertices;
        GLenum mode;
    };
    for (const Case c :
         {Case{D3DPT_TRIANGLESTRIP, 2, 4, GL_TRIANGLE_STRIP},
          Case{D3DPT_TRIANGLELIST, 2, 6, GL_TRIANGLES},
          Case{D3DPT_TRIANGLEFAN, 3, 5, GL_TRIANGLE_FAN}, Case{D3DPT_LINELIST, 2, 4, GL_LINES},
          Case{D3DPT_LINESTRIP, 2, 3, GL_LINE_STRIP}, Case{D3DPT_POINTLIST, 5, 5, GL_POINTS},
          Case{D3DPT_TRIANGLESTRIP, 0, 0, GL_TRIANGLES},
          Case{D3DPRIMITIVETYPE(42), 2, 0, GL_TRIANGLES}}) {
        const PrimitiveInfo info = DecodePrimitive(c.type, c.count);
        EXPECT_EQ(info.vertexCount, c.vertices) << c.type;
        if (c.vertices) {
            EXPECT_EQ(info.mode, c.mode) << c.type;
        }
    }
}

TEST(UtilTest, SamplersMapToTextureUnits) {
    const std::pair<DWORD, int> units[] = {{0, 0},    {15, 15},  {16, -1},  {255, -1},
                                           {256, -1}, {257, 16}, {260, 19}, {261, -1}};
    for (const auto& [sampler, unit] : units) EXPECT_EQ(TextureUnitOf(sampler), unit) << sampler;
    EXPECT_TRUE(IsValidSampler(256));
    EXPECT_FALSE(IsValidSampler(16));
}

TEST(UtilTest, ColoursFormatsAndSemantics) {
    float rgba[4];
    ColorToFloats(0x80FF4000, rgba);
    EXPECT_FLOAT_EQ(rgba[0], 1.0f);
    EXPECT_FLOAT_EQ(rgba[1], 64.0f / 255.0f);
    EXPECT_FLOAT_EQ(rgba[2], 0.0f);
    EXPECT_FLOAT_EQ(rgba[3], 128.0f / 255.0f);
    EXPECT_EQ(DecodeFormat(D3DFMT_A8R8G8B8).uploadFormat, static_cast<GLenum>(GL_BGRA));
    EXPECT_EQ(DecodeFormat(D3DFMT_A8).swizzle[3], GL_RED);
    EXPECT_FALSE(DecodeFormat(D3DFMT_D16).supported);
    EXPECT_EQ(DecodeDeclType(D3DDECLTYPE_D3DCOLOR).components, GL_BGRA);
    EXPECT_FALSE(DecodeDeclType(D3DDECLTYPE_UNUSED).supported);
    EXPECT_STREQ(SemanticOf(D3DDECLUSAGE_TEXCOORD, 1).name, "TEXCOORD1");
    EXPECT_STREQ(SemanticOf(D3DDECLUSAGE_COLOR, 1).name, "COLOR1");
    EXPECT_EQ(SemanticOf(D3DDECLUSAGE_COLOR, 2).location, -1);
    EXPECT_EQ(SemanticOf(D3DDECLUSAGE_BLENDWEIGHT, 0).location, -1);
    EXPECT_EQ(FullMipChainLength(256, 64), 9u);
    EXPECT_EQ(FullMipChainLength(1, 1), 1u);
    EXPECT_EQ(FullMipChainLength(448, 128), 9u);
}

TEST(UtilTest, CullModesAndStateGroups) {
    EXPECT_FALSE(DecodeCullMode(D3DCULL_NONE).enable);
    EXPECT_EQ(DecodeCullMode(D3DCULL_CCW).face, static_cast<GLenum>(GL_BACK));
    EXPECT_EQ(DecodeCullMode(D3DCULL_CW).face, static_cast<GLenum>(GL_FRONT));
    EXPECT_EQ(DirtyGroupOf(D3DRS_SRCBLEND), static_cast<DWORD>(kDirtyBlend));
    EXPECT_EQ(DirtyGroupOf(D3DRS_ZFUNC), static_cast<DWORD>(kDirtyDepth));
    EXPECT_EQ(DirtyGroupOf(D3DRS_ALPHAREF), static_cast<DWORD>(kDirtyAlphaTest));
    EXPECT_EQ(DirtyGroupOf(D3DRS_LIGHTING), 0u);
}

TEST(ShaderSourceTest, WrappingKeepsTheShadersOwnLineNumbers) {
    const std::string vertex = WrapVertexSource("void main() {}\n");
    EXPECT_EQ(vertex.rfind("#version 330 core\n", 0), 0u);
    const size_t line = vertex.find("#line 1\n");
    ASSERT_NE(line, std::string::npos);
    EXPECT_EQ(vertex.compare(line + 8, 15, "void main() {}\n"), 0);
    EXPECT_NE(WrapFragmentSource("").find("discard"), std::string::npos);
    const PositionFixup fixup = PositionFixupFor(1024, 320);
    EXPECT_FLOAT_EQ(fixup.x, 1.0f / 1024);
    EXPECT_FLOAT_EQ(fixup.y, 1.0f / 320);
}

}  // namespace
}  // namespace d3d9gl
