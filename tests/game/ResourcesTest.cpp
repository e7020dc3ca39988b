// The scene's resources: creation in its order with its fallbacks and boxes, and release in
// its order. The D3DX creation functions and the aligned allocator are stood in for at link
// time, so that each attempt, its arguments and every buffer can be seen.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "MessageBoxLog.h"
#include "Recording.h"
#include "TemporaryDirectory.h"
#include "assets/EmbeddedAssets.h"
#include "game/Game.h"
#include "game/QuadVertex.h"
#include "platform/crt/aligned_memory.h"
#include "render/Render.h"

namespace gametest {

// What the stand-ins do and saw.
struct Script {
    int fontFailures = 0;  // how many font creations fail, from the first
    bool logoFails = false;
    std::vector<std::string> fontAttempts;  // "weight:face bytes in hex"
    std::vector<std::string> textureFiles;  // the arguments of each texture from a file
    std::vector<UINT> logoLengths;
    bool logoIsPng = false;
    Log* log = nullptr;
};
Script g_script;
long g_outstandingBlocks = 0;

}  // namespace gametest

using gametest::g_script;

// ---- Link-time stand-ins ----------------------------------------------------------------------

void* AlignedAlloc(std::size_t size, std::size_t alignment) {
    void* block = nullptr;
    if (posix_memalign(&block, alignment < sizeof(void*) ? sizeof(void*) : alignment,
                       size ? size : 1) != 0)
        return nullptr;
    ++gametest::g_outstandingBlocks;
    return block;
}

void AlignedFree(void* block) {
    if (!block) return;
    --gametest::g_outstandingBlocks;
    free(block);
}

HRESULT D3DXCreateFontA(IDirect3DDevice9*, INT height, UINT width, UINT weight, UINT mipLevels,
                        BOOL italic, DWORD charSet, DWORD precision, DWORD quality,
                        DWORD pitchAndFamily, LPCSTR face, ID3DXFont** font) {
    std::string attempt = std::to_string(weight) + ":";
    char hex[4];
    for (const char* p = face; *p; ++p) {
        std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned char>(*p));
        attempt += hex;
    }
    attempt += " " + std::to_string(height) + "," + std::to_string(width) + "," +
               std::to_string(mipLevels) + "," + std::to_string(italic) + "," +
               std::to_string(charSet) + "," + std::to_string(precision) + "," +
               std::to_string(quality) + "," + std::to_string(pitchAndFamily);
    g_script.fontAttempts.push_back(attempt);
    if (static_cast<int>(g_script.fontAttempts.size()) <= g_script.fontFailures) {
        *font = nullptr;
        return E_FAIL;
    }
    static gametest::RecordingFont created{nullptr};
    created.refs = 1;
    created.releaseLog = g_script.log;
    created.releaseName = "font";
    *font = &created;
    return S_OK;
}

HRESULT D3DXCreateTextureFromFileExA(IDirect3DDevice9*, LPCSTR file, UINT width, UINT height,
                                     UINT levels, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                                     DWORD filter, DWORD mipFilter, D3DCOLOR key,
                                     D3DXIMAGE_INFO* info, PALETTEENTRY* palette,
                                     IDirect3DTexture9** texture) {
    char text[256];
    std::snprintf(text, sizeof text, "%s %X %X %u %u %u %u %u %u %X %s %s", file, width, height,
                  levels, usage, format, pool, filter, mipFilter, key, info ? "info" : "null",
                  palette ? "palette" : "null");
    g_script.textureFiles.push_back(text);
    static gametest::FakeTexture created{"image", 256, 64, nullptr};
    created.refs = 1;
    created.releaseLog = g_script.log;
    created.releaseName = "base";
    *texture = &created;
    return S_OK;
}

HRESULT D3DXCreateTextureFromFileInMemory(IDirect3DDevice9*, const void* data, UINT length,
                                          IDirect3DTexture9** texture) {
    g_script.logoLengths.push_back(length);
    g_script.logoIsPng = length >= 8 && std::memcmp(data, "\x89PNG\r\n\x1a\n", 8) == 0;
    *texture = nullptr;
    if (g_script.logoFails) return D3DXERR_INVALIDDATA;
    static gametest::FakeTexture created{"logo", 448, 128, nullptr};
    created.refs = 1;
    created.releaseLog = g_script.log;
    created.releaseName = "logo";
    *texture = &created;
    return S_OK;
}

// ---- Tests ------------------------------------------------------------------------------------

namespace gametest {
namespace {

using win32test::LoggedMessageBox;
using win32test::ParseMessageBoxes;

const char kTextureBoxText[] = "テクスチャがロードできませんでした.";
const char kDeclarationBoxText[] = "頂点宣言の作成に失敗しました.";

class ResourcesTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_script = Script{};
        g_script.log = &log;
        g_outstandingBlocks = 0;
        device.declaration.releaseLog = &log;
        device.declaration.releaseName = "declaration";
        g_render.m_device = &device;
        ASSERT_FALSE(m_dir.path().empty());
        ASSERT_NE(getcwd(m_previous, sizeof m_previous), nullptr);
        ASSERT_EQ(chdir(m_dir.path().c_str()), 0);
    }
    void TearDown() override {
        game.Finalize();
        g_render.m_device = nullptr;
        EXPECT_EQ(chdir(m_previous), 0);
    }

    void WriteImage(size_t bytes) {
        std::ifstream in(DF_TEST_IMAGE, std::ios::binary);
        std::vector<char> data((std::istreambuf_iterator<char>(in)), {});
        ASSERT_GE(data.size(), bytes);
        std::ofstream("image.tga", std::ios::binary)
            .write(data.data(), static_cast<std::streamsize>(bytes));
    }
    void WriteWholeImage() { WriteImage(18 + 256 * 64 * 4); }

    struct Outcome {
        bool result;
        std::vector<LoggedMessageBox> boxes;
    };
    Outcome Initialize() {
        testing::internal::CaptureStderr();
        const bool result = game.Initialize();
        return {result, ParseMessageBoxes(testing::internal::GetCapturedStderr())};
    }

    Log log;
    RecordingDevice device{&log};
    Game game;
    win32test::TemporaryDirectory m_dir;
    char m_previous[4096] = {};
};

// 24, 0, mip levels 1, not italic, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
// FF_SWISS | DEFAULT_PITCH.
const char kFontArguments[] = " 24,0,1,0,1,0,5,32";

TEST_F(ResourcesTest, CreatesEverythingInItsOrderAndReleasesInItsOrder) {
    WriteWholeImage();
    const Outcome outcome = Initialize();
    EXPECT_TRUE(outcome.result);
    EXPECT_TRUE(outcome.boxes.empty());
    // "Meiryo" at weight 700, and the second face never tried.
    EXPECT_EQ(g_script.fontAttempts,
              std::vector<std::string>{std::string("700:4D656972796F") + kFontArguments});
    EXPECT_EQ(g_script.textureFiles,
              std::vector<std::string>{"image.tga FFFFFFFF FFFFFFFF 0 0 21 1 4 4 0 null null"});
    EXPECT_EQ(g_script.logoLengths, std::vector<UINT>{kLogoAssetSize});
    EXPECT_TRUE(g_script.logoIsPng);    // the asset's plain bytes
    EXPECT_EQ(g_outstandingBlocks, 0);  // the image's pixels and the logo buffer went back
    EXPECT_NE(g_font, nullptr);
    EXPECT_NE(g_baseTexture, nullptr);
    EXPECT_NE(game.m_logoTexture, nullptr);
    EXPECT_NE(game.m_vertexDecl, nullptr);

    log.clear();
    game.Finalize();
    EXPECT_EQ(log,
              (Log{"Release(font)", "Release(base)", "Release(logo)", "Release(declaration)"}));
    EXPECT_EQ(g_font, nullptr);
    EXPECT_EQ(g_baseTexture, nullptr);
    EXPECT_EQ(game.m_logoTexture, nullptr);
    EXPECT_EQ(game.m_vertexDecl, nullptr);
    log.clear();
    game.Finalize();
    EXPECT_TRUE(log.empty());
}

TEST_F(ResourcesTest, TriesTheSecondFaceOnceAtNormalWeight) {
    WriteWholeImage();
    g_script.fontFailures = 1;
    EXPECT_TRUE(Initialize().result);
    // "ＭＳ Ｐゴシック" in code page 932.
    const std::string second = std::string("400:826C827220826F835383568362834E") + kFontArguments;
    EXPECT_EQ(g_script.fontAttempts,
              (std::vector<std::string>{std::string("700:4D656972796F") + kFontArguments, second}));
    EXPECT_NE(g_font, nullptr);
}

TEST_F(ResourcesTest, GoesOnWithoutAFontWhenNeitherFaceCanBeHad) {
    WriteWholeImage();
    g_script.fontFailures = 2;
    const Outcome outcome = Initialize();
    EXPECT_TRUE(outcome.result);
    EXPECT_TRUE(outcome.boxes.empty());
    EXPECT_EQ(g_script.fontAttempts.size(), 2u);
    EXPECT_EQ(g_font, nullptr);
}

TEST_F(ResourcesTest, AFailedDeclarationIsReportedAndTheFontKeptForTheTeardown) {
    WriteWholeImage();
    device.failDeclaration = true;
    const Outcome outcome = Initialize();
    EXPECT_FALSE(outcome.result);
    EXPECT_EQ(outcome.boxes, (std::vector<LoggedMessageBox>{{"Error", kDeclarationBoxText}}));
    EXPECT_TRUE(g_script.textureFiles.empty());
    EXPECT_NE(g_font, nullptr);
    log.clear();
    game.Finalize();
    EXPECT_EQ(log, Log{"Release(font)"});
}

TEST_F(ResourcesTest, WithoutImageTgaTheTextureBoxShowsOnce) {
    const Outcome outcome = Initialize();
    EXPECT_FALSE(outcome.result);
    EXPECT_EQ(outcome.boxes, (std::vector<LoggedMessageBox>{{"Error", kTextureBoxText}}));
    EXPECT_TRUE(g_script.textureFiles.empty());
    EXPECT_TRUE(g_script.logoLengths.empty());
    log.clear();
    game.Finalize();
    EXPECT_EQ(log, (Log{"Release(font)", "Release(declaration)"}));
}

TEST_F(ResourcesTest, AnImageTruncatedAfterItsHeaderStillStarts) {
    WriteImage(18 + 1000);
    const Outcome outcome = Initialize();
    EXPECT_TRUE(outcome.result);
    EXPECT_TRUE(outcome.boxes.empty());
    EXPECT_EQ(g_script.textureFiles.size(), 1u);
    EXPECT_EQ(g_outstandingBlocks, 0);
}

TEST_F(ResourcesTest, ALogoThatCannotBeMadeShowsTheTextureBoxAndItsBufferGoesBack) {
    WriteWholeImage();
    g_script.logoFails = true;
    const Outcome outcome = Initialize();
    EXPECT_FALSE(outcome.result);
    EXPECT_EQ(outcome.boxes, (std::vector<LoggedMessageBox>{{"Error", kTextureBoxText}}));
    EXPECT_EQ(g_outstandingBlocks, 0);
    EXPECT_EQ(game.m_logoTexture, nullptr);
    log.clear();
    game.Finalize();
    EXPECT_EQ(log, (Log{"Release(font)", "Release(base)", "Release(declaration)"}));
}

TEST(QuadVertexTest, TheDeclarationHasFiveElementsAndTheEndMarker) {
    const struct {
        WORD offset;
        BYTE type, usage, index;
    } expected[5] = {{0, D3DDECLTYPE_FLOAT4, D3DDECLUSAGE_POSITION, 0},
                     {16, D3DDECLTYPE_D3DCOLOR, D3DDECLUSAGE_COLOR, 0},
                     {20, D3DDECLTYPE_FLOAT2, D3DDECLUSAGE_TEXCOORD, 0},
                     {28, D3DDECLTYPE_D3DCOLOR, D3DDECLUSAGE_COLOR, 1},
                     {32, D3DDECLTYPE_FLOAT2, D3DDECLUSAGE_TEXCOORD, 1}};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(kQuadVertexElements[i].Stream, 0);
        EXPECT_EQ(kQuadVertexElements[i].Offset, expected[i].offset);
        EXPECT_EQ(kQuadVertexElements[i].Type, expected[i].type);
        EXPECT_EQ(kQuadVertexElements[i].Method, D3DDECLMETHOD_DEFAULT);
        EXPECT_EQ(kQuadVertexElements[i].Usage, expected[i].usage);
        EXPECT_EQ(kQuadVertexElements[i].UsageIndex, expected[i].index);
    }
    EXPECT_EQ(kQuadVertexElements[5].Stream, 0xFF);
    EXPECT_EQ(kQuadVertexElements[5].Type, D3DDECLTYPE_UNUSED);
    EXPECT_EQ(sizeof(QuadVertex), 40u);
}

}  // namespace
}  // namespace gametest
