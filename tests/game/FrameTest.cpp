// The frame and its pieces: the quad's corners, the magnification, the matrices, and the whole
// sequence of calls one frame makes, recorded by stand-ins for the device, effect and font.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "Recording.h"
#include "app/OrbitInput.h"
#include "game/Game.h"
#include "game/Magnification.h"
#include "game/Matrices.h"
#include "game/TexturedQuad.h"
#include "render/Render.h"

extern std::uint32_t g_frameCount;

namespace gametest {
namespace {

// ---- The quad ---------------------------------------------------------------------------------

TEST(QuadTest, TheImageAtScaleOneHasItsCornersRoundedOnce) {
    QuadVertex quad[4];
    FillQuadVertices(138, 128, 1, 256, 64, 1024, 320, quad);
    // Each edge is the double-precision value rounded once. The left and right edges are
    // exact in single precision (1024 is a power of two); the top and bottom ones, with 320,
    // are not, so the float expressions would round twice.
    const double left = (138 - 0.5) * 2 / 1024 - 1, right = (138 + 256 - 0.5) * 2 / 1024 - 1;
    const double top = (128 - 0.5) * -2 / 320 + 1, bottom = (64 + 128 - 0.5) * -2 / 320 + 1;
    EXPECT_EQ(static_cast<double>(quad[0].x), left);
    EXPECT_EQ(static_cast<double>(quad[1].x), right);
    EXPECT_EQ(quad[0].y, static_cast<float>(top));
    EXPECT_EQ(quad[2].y, static_cast<float>(bottom));
    EXPECT_EQ(quad[2].x, quad[0].x);
    EXPECT_EQ(quad[1].y, quad[0].y);
    EXPECT_EQ(quad[3].x, quad[1].x);
    EXPECT_EQ(quad[3].y, quad[2].y);
}

TEST(QuadTest, VerticesRunInStripOrderWithTheirTextureCorners) {
    QuadVertex quad[4];
    FillQuadVertices(0, 0, 1, 64, 32, 64, 32, quad);
    // A W × H texture at (0, 0) on a W × H target spans −1 − 1/W to 1 − 1/W and
    // 1 + 1/H to −1 + 1/H.
    const struct {
        float x, y, u, v;
    } expected[4] = {{-1 - 1.0f / 64, 1 + 1.0f / 32, 0, 0},
                     {1 - 1.0f / 64, 1 + 1.0f / 32, 1, 0},
                     {-1 - 1.0f / 64, -1 + 1.0f / 32, 0, 1},
                     {1 - 1.0f / 64, -1 + 1.0f / 32, 1, 1}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FLOAT_EQ(quad[i].x, expected[i].x);
        EXPECT_FLOAT_EQ(quad[i].y, expected[i].y);
        EXPECT_EQ(quad[i].z, 0.0f);
        EXPECT_EQ(quad[i].w, 1.0f);
        EXPECT_EQ(quad[i].color0, 0xFFFFFFFFu);
        EXPECT_EQ(quad[i].color1, 0u);
        EXPECT_EQ(quad[i].u0, expected[i].u);
        EXPECT_EQ(quad[i].v0, expected[i].v);
    }
}

TEST(QuadTest, NegativePositionsReachBeyondTheTarget) {
    QuadVertex quad[4];
    FillQuadVertices(-630, -640, 25, 256, 64, 1024, 320, quad);
    EXPECT_EQ(static_cast<double>(quad[0].x), static_cast<float>((-630 - 0.5) * 2 / 1024 - 1));
    EXPECT_LT(quad[0].x, -1.0f);
    EXPECT_GT(quad[0].y, 1.0f);
    EXPECT_EQ(static_cast<double>(quad[3].x),
              static_cast<float>((-630 + 256 * 25 - 0.5) * 2 / 1024 - 1));
    EXPECT_EQ(static_cast<double>(quad[3].y),
              static_cast<float>((64 * 25 - 640 - 0.5) * -2 / 320 + 1));
}

// ---- The magnification ------------------------------------------------------------------------

TEST(MagnificationTest, PulsesBetweenOneAndFortyNine) {
    const double c = static_cast<double>(0.01f);
    for (std::uint32_t frame : {1u, 157u, 471u, 0u, 2147483648u, 4294967295u, 3000000000u}) {
        const float s = MagnificationForFrame(frame);
        EXPECT_EQ(s, static_cast<float>(std::sin(frame * c) * 24 + 25)) << frame;
        EXPECT_GE(s, 1.0f);
        EXPECT_LE(s, 49.0f);
    }
    EXPECT_GT(MagnificationForFrame(1), 25.0f);
    EXPECT_GT(MagnificationForFrame(157), 48.99f);
    EXPECT_LT(MagnificationForFrame(471), 1.01f);
    EXPECT_EQ(MagnificationForFrame(0), 25.0f);
    // Counts of 2^31 and above are large positive numbers, not negative ones.
    EXPECT_EQ(MagnificationForFrame(2147483648u),
              static_cast<float>(std::sin(2147483648.0 * c) * 24 + 25));
    EXPECT_NE(MagnificationForFrame(2147483648u),
              static_cast<float>(std::sin(-2147483648.0 * c) * 24 + 25));
}

// ---- The matrices -----------------------------------------------------------------------------

void ExpectMatrixNear(const D3DXMATRIX& a, const double (&e)[4][4], double tolerance = 2e-6) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_NEAR(a.m[r][c], e[r][c], tolerance) << r << c;
}

TEST(MatricesTest, StartValuesTurnOnlyAboutX) {
    const double pitch = static_cast<double>(kOrbitPitchInitial);
    const OrbitMatrices m = ComputeOrbitMatrices(0.0f, kOrbitPitchInitial, 1024, 320);
    const double world[4][4] = {{1, 0, 0, 0},
                                {0, std::cos(pitch), std::sin(pitch), 0},
                                {0, -std::sin(pitch), std::cos(pitch), 0},
                                {0, 0, 0, 1}};
    ExpectMatrixNear(m.world, world);
    // The eye (0, 0, 16) turned about X by −π/12, in the model's coordinates.
    const double pi = 3.14159265358979323846;
    EXPECT_NEAR(m.inverseWorldView._41, 0.0, 1e-5);
    EXPECT_NEAR(m.inverseWorldView._42, 16 * std::sin(pi / 12), 1e-5);
    EXPECT_NEAR(m.inverseWorldView._43, 16 * std::cos(pi / 12), 1e-5);
}

TEST(MatricesTest, ZeroAnglesLeaveTheWorldTheIdentity) {
    const OrbitMatrices m = ComputeOrbitMatrices(0.0f, 0.0f, 1024, 320);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(m.world.m[i / 4][i % 4], (i % 5 == 0) ? 1.0f : 0.0f);
        EXPECT_EQ(m.worldView.m[i / 4][i % 4], m.view.m[i / 4][i % 4]);
        EXPECT_EQ(m.worldViewProjection.m[i / 4][i % 4], m.viewProjection.m[i / 4][i % 4]);
    }
    EXPECT_NEAR(m.inverseWorldView._41, 0.0, 1e-5);
    EXPECT_NEAR(m.inverseWorldView._42, 0.0, 1e-5);
    EXPECT_NEAR(m.inverseWorldView._43, 16.0, 1e-5);
    // The view and projection from their published definitions.
    const double len = std::sqrt(260.0);
    const double ys = 1 / std::tan(static_cast<double>(1.5707964f) / 2);
    const double aspect = static_cast<double>(static_cast<float>(1024.0 / 320.0));
    const double view[4][4] = {{1, 0, 0, 0},
                               {0, 16 / len, -2 / len, 0},
                               {0, 2 / len, 16 / len, 0},
                               {0, -32 / len, -256 / len, 1}};
    ExpectMatrixNear(m.view, view, 1e-5);
    const double proj[4][4] = {{ys / aspect, 0, 0, 0},
                               {0, ys, 0, 0},
                               {0, 0, 512 / (2.0 - 512), -1},
                               {0, 0, 2.0 * 512 / (2.0 - 512), 0}};
    ExpectMatrixNear(m.projection, proj, 1e-5);
}

// ---- The frame --------------------------------------------------------------------------------

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_render.m_device = &device;
        g_render.m_effect = &effect;
        g_font = &font;
        g_baseTexture = &base;
        game.m_vertexDecl = &declaration;
        game.m_logoTexture = &logo;
        g_screenWidth = 1024;
        g_screenHeight = 320;
        g_orbitYaw = 0.0f;
        g_orbitPitch = kOrbitPitchInitial;
        g_frameCount = 0;
    }
    void TearDown() override {
        g_render.m_device = nullptr;
        g_render.m_effect = nullptr;
        g_font = nullptr;
        g_baseTexture = nullptr;
        game.m_vertexDecl = nullptr;
        game.m_logoTexture = nullptr;
    }

    Log log;
    RecordingDevice device{&log};
    RecordingEffect effect{&log};
    RecordingFont font{&log};
    FakeTexture base{"image", 256, 64, &log};
    FakeTexture logo{"logo", 448, 128, &log};
    FakeDeclaration declaration;
    Game game;
};

// The calls of one frame, written out independently of the code under test.
Log ExpectedFrame() {
    Log e = {"BeginScene",
             "SetRenderState(22,1)",
             "SetTechnique(TStandard)",
             "Begin(1)",
             "SetRenderState(7,1)",
             "SetRenderState(14,0)",
             "SetRenderState(171,1)",
             "SetRenderState(19,5)",
             "SetRenderState(20,6)"};
    for (const char* name :
         {"matWorldViewProj", "matWorldView", "matWorld", "matViewProj", "matInvWorldView"}) {
        e.push_back(std::string("GetParameterByName(null,") + name + ")");
        e.push_back(std::string("SetMatrix(") + name + ")");
    }
    e.push_back("GetParameterByName(null,eyePosition)");
    e.push_back("SetVector(eyePosition)");
    for (int stage : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 257, 258, 259, 260})
        e.push_back("SetTexture(" + std::to_string(stage) + ",null)");
    e.insert(e.end(),
             {"GetBackBuffer(0,0,0)", "SetRenderTarget(0,backbuffer)", "Clear(0,3,0xFF404040,1,0)",
              "SetVertexDeclaration(decl)", "SetRenderState(27,0)", "SetRenderState(174,1)",
              "GetParameterByName(null,gScale)", "SetFloat(gScale)"});
    auto quad = [&e](const char* texture, int pass) {
        e.push_back(std::string(texture) + ".GetLevelDesc(0)");
        e.push_back("GetParameterByName(null,baseTexture)");
        e.push_back(std::string("SetTexture(baseTexture,") + texture + ")");
        e.push_back("BeginPass(" + std::to_string(pass) + ")");
        e.push_back("GetRenderTarget(0)");
        e.push_back("DrawPrimitiveUP(5,2,40)");
        e.push_back("EndPass");
    };
    e.push_back("SetScissorRect(0,0,341,320)");
    quad("image", 6);
    e.push_back("SetScissorRect(341,0,682,320)");
    quad("image", 5);
    e.push_back("SetScissorRect(682,0,1024,320)");
    quad("image", 4);
    e.push_back("SetScissorRect(0,0,1024,320)");
    e.push_back("End");
    const struct {
        const char* start;  // the caption's first character in code page 932
        int x, y;
        const char* color;
    } captions[3] = {{"836F", 4, 4, "0xFF80E080"},
                     {"8341", 345, 4, "0xFF80E080"},
                     {"8DA1", 686, 4, "0xFFE06060"}};
    const struct {
        int dx, dy;
        const char* color;
    } copies[6] = {{2, 2, "0x40000000"},  {-1, 0, "0xFF000000"}, {1, 0, "0xFF000000"},
                   {0, -1, "0xFF000000"}, {0, 1, "0xFF000000"},  {0, 0, nullptr}};
    for (const auto& caption : captions)
        for (const auto& copy : copies)
            e.push_back(std::string("DrawTextA(null,") + caption.start + ",-1," +
                        std::to_string(caption.x + copy.dx) + "," +
                        std::to_string(caption.y + copy.dy) + ",1024,320,0x100," +
                        (copy.color ? copy.color : caption.color) + ")");
    e.insert(e.end(),
             {"Begin(1)", "SetRenderState(7,0)", "SetRenderState(14,0)", "SetRenderState(27,1)",
              "SetRenderState(171,1)", "SetRenderState(19,5)", "SetRenderState(20,6)"});
    quad("logo", 3);
    e.push_back("End");
    e.push_back("EndScene");
    return e;
}

TEST_F(FrameTest, OneFrameMakesEveryCallInItsOrder) {
    EXPECT_TRUE(game.Draw());
    const Log expected = ExpectedFrame();
    ASSERT_EQ(log.size(), expected.size());
    for (size_t i = 0; i < log.size(); ++i) EXPECT_EQ(log[i], expected[i]) << "call " << i;
    EXPECT_EQ(g_frameCount, 1u);
    // The first frame's magnification, a little above 25, handed over plus 8.
    const float s = MagnificationForFrame(1);
    EXPECT_EQ(effect.scale, s + 8.0f);
    // The logo is drawn at (576, 192) at its own size.
    QuadVertex logoQuad[4];
    ASSERT_EQ(device.drawnVertices.size(), 4u);
    std::memcpy(logoQuad, device.drawnVertices[3].data(), sizeof logoQuad);
    QuadVertex expectedQuad[4];
    FillQuadVertices(576, 192, 1, 448, 128, 1024, 320, expectedQuad);
    EXPECT_EQ(std::memcmp(logoQuad, expectedQuad, sizeof logoQuad), 0);
    // The back buffer's reference from GetBackBuffer and GetRenderTarget went back.
    EXPECT_EQ(device.backBuffer.refs, 1u);
}

TEST_F(FrameTest, TheMatricesOfTheFrameFollowTheOrbitAngles) {
    g_orbitYaw = 1.0f;
    g_orbitPitch = 0.5f;
    game.Draw();
    const OrbitMatrices m = ComputeOrbitMatrices(1.0f, 0.5f, 1024, 320);
    EXPECT_EQ(std::memcmp(&effect.matrices[0], &m.worldViewProjection, sizeof(D3DXMATRIX)), 0);
    EXPECT_EQ(std::memcmp(&effect.matrices[2], &m.world, sizeof(D3DXMATRIX)), 0);
    EXPECT_EQ(std::memcmp(&effect.matrices[4], &m.inverseWorldView, sizeof(D3DXMATRIX)), 0);
    EXPECT_EQ(effect.eyePosition.x, m.inverseWorldView._41);
    EXPECT_EQ(effect.eyePosition.z, m.inverseWorldView._43);
}

// At the counter's wrap the frame uses t = 0: s = 25 exactly, and panel 1's corner is at
// (170 − 32·25, 160 − 32·25) = (−630, −640).
TEST_F(FrameTest, TheCounterWrapsToZero) {
    g_frameCount = 4294967295u;
    game.Draw();
    EXPECT_EQ(g_frameCount, 0u);
    EXPECT_EQ(effect.scale, 33.0f);
    QuadVertex expected[4];
    FillQuadVertices(-630.0f, -640.0f, 25.0f, 256, 64, 1024, 320, expected);
    ASSERT_GE(device.drawnVertices.size(), 1u);
    EXPECT_EQ(std::memcmp(device.drawnVertices[0].data(), expected, sizeof expected), 0);
}

TEST_F(FrameTest, PanelQuadsKeepTheFixedImagePointOnTheirAnchors) {
    for (std::uint32_t frame : {1u, 100u, 157u, 300u, 471u}) {
        g_frameCount = frame - 1;
        const float s = MagnificationForFrame(frame);
        const float corner = 160.0f - 32.0f * s;
        // Texel 32 of 256 and 32 of 64 lie at 1/8 and 1/2 across the quad.
        QuadVertex quad[4];
        FillQuadVertices(170.0f - 32.0f * s, corner, s, 256, 64, 1024, 320, quad);
        const double anchorX = quad[0].x + (quad[1].x - quad[0].x) / 8.0;
        const double anchorY = quad[0].y + (quad[2].y - quad[0].y) / 2.0;
        // The anchor's pixel corner (170, 160), in the same half-pixel-shifted clip space.
        EXPECT_NEAR(anchorX, (170 - 0.5) * 2 / 1024 - 1, 1e-5) << frame;
        EXPECT_NEAR(anchorY, 1 - (160 - 0.5) * 2 / 320, 1e-5) << frame;
    }
}

TEST_F(FrameTest, WithoutFontOrImageTextureTheFrameLeavesThemOut) {
    g_font = nullptr;
    g_baseTexture = nullptr;
    EXPECT_TRUE(game.Draw());
    int quads = 0, texts = 0;
    for (const std::string& call : log) {
        quads += call == "DrawPrimitiveUP(5,2,40)";
        texts += call.rfind("DrawTextA", 0) == 0;
    }
    EXPECT_EQ(quads, 1);  // the logo
    EXPECT_EQ(texts, 0);
}

TEST_F(FrameTest, UnbindTexturesClearsTwentySamplersInOrder) {
    UnbindTextures();
    Log expected;
    for (int stage : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 257, 258, 259, 260})
        expected.push_back("SetTexture(" + std::to_string(stage) + ",null)");
    EXPECT_EQ(log, expected);
}

}  // namespace
}  // namespace gametest
