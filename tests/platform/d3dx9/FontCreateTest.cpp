// D3DXCreateFontA: the faces it chooses for the program's two requests, the glyphs of every
// text the program shows, its failures, and what the font holds of the device. Compiled with
// code page 932 as the execution character set, so the literals are the program's bytes.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/d3dx9/d3dx9_text_decode.h"
#include "tests/platform/d3dx9/FontFixture.h"

namespace d3dx9test {
namespace {

constexpr const char* kTexts[] = {
    "バイリニア補間 (256 x 64)\nBi-linier Filtering",
    "アルファテスト (256 x 64)\nAlpha Test",
    "今回の手法 (256 x 64)\nDistance Field Vectorization",
    "距離フィールドのベクトル化 -Distance Field Vectorization-",
};

TEST_F(FontTest, BothOfTheProgramsRequestsGetAJapaneseFaceOfTheirWeight) {
    struct Case {
        const char* face;
        UINT weight;
        bool bold;
    };
    const Case cases[] = {{"Meiryo", FW_BOLD, true}, {"ＭＳ Ｐゴシック", FW_NORMAL, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.face);
        ID3DXFont* font = nullptr;
        ASSERT_EQ(CreateFont(&font, 24, c.weight, c.face), D3D_OK);
        ASSERT_NE(font, nullptr);
        d3dx9::GlyphSource& glyphs = Internals(font).Glyphs();
        const d3dx9::FaceCandidate& lead = glyphs.Faces().Candidate(0);
        EXPECT_EQ(lead.weight >= 600 || glyphs.Emboldened(0), c.bold) << lead.family;
        EXPECT_EQ(glyphs.LineHeight(), 24);
        EXPECT_GT(glyphs.Ascent(), 12);
        EXPECT_LT(glyphs.Ascent(), 24);
        EXPECT_EQ(font->Release(), 0u);
    }
}

TEST_F(FontTest, EveryCharacterTheProgramShowsHasAGlyph) {
    for (UINT weight : {FW_BOLD, FW_NORMAL}) {
        ID3DXFont* font = nullptr;
        ASSERT_EQ(CreateFont(&font, 24, weight), D3D_OK);
        d3dx9::GlyphSource& glyphs = Internals(font).Glyphs();
        for (const char* text : kTexts) {
            std::u32string codePoints;
            ASSERT_TRUE(d3dx9::DecodeCp932(text, -1, &codePoints));
            for (char32_t c : codePoints) {
                if (c == U'\n') continue;
                EXPECT_NE(glyphs.Find(c).index, 0u) << "U+" << std::hex << static_cast<unsigned>(c)
                                                    << " at weight " << std::dec << weight;
            }
        }
        EXPECT_EQ(font->Release(), 0u);
    }
}

TEST_F(FontTest, BoldIsHeavierThanRegular) {
    auto inkOf = [this](UINT weight) {
        ID3DXFont* font = nullptr;
        EXPECT_EQ(CreateFont(&font, 24, weight), D3D_OK);
        Clear(0xFF000000);
        Draw("補間", 0, 0, 0xFFFFFFFF, DT_NOCLIP, font);
        font->Release();
        long ink = 0;
        for (std::uint32_t p : ReadBack()) ink += p & 0xFF;
        return ink;
    };
    EXPECT_GT(inkOf(FW_BOLD), inkOf(FW_NORMAL) * 11 / 10);
}

TEST_F(FontTest, RefusesBadArgumentsWithAResult) {
    struct Case {
        const char* name;
        bool device;
        bool out;
        INT height;
    };
    const Case cases[] = {
        {"no device", false, true, 24},
        {"no font slot", true, false, 24},
        {"height 0", true, true, 0},
        {"huge height", true, true, 100000},
        {"huge negative height", true, true, -100000},
    };
    for (const Case& c : cases) {
        ID3DXFont* font = reinterpret_cast<ID3DXFont*>(this);
        const HRESULT hr = D3DXCreateFontA(
            c.device ? m_device : nullptr, c.height, 0, FW_BOLD, 1, FALSE, DEFAULT_CHARSET,
            OUT_DEFAULT_PRECIS, CLEARTYPE_QUALITY, FF_SWISS, "Meiryo", c.out ? &font : nullptr);
        EXPECT_EQ(hr, D3DERR_INVALIDCALL) << c.name;
        if (c.out) {
            EXPECT_EQ(font, nullptr) << c.name;
        }
    }
}

// With no font that covers Japanese, creation fails so that the program's second attempt is
// reached. A child process reads a configuration with no fonts: fontconfig keeps the one it
// has loaded for the life of a process.
TEST_F(FontTest, FailsWhenNoFaceCoversJapanese) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            char path[] = "/tmp/d3dx9_font_XXXXXX";
            const int fd = mkstemp(path);
            const char config[] = "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
            if (fd < 0 || write(fd, config, sizeof config - 1) < 0) _exit(3);
            close(fd);
            setenv("FONTCONFIG_FILE", path, 1);
            ID3DXFont* font = nullptr;
            const HRESULT hr = CreateFont(&font);
            std::remove(path);
            _exit(FAILED(hr) && font == nullptr ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(FontTest, ReleasingTheFontLeavesNothingOfItsOwn) {
    const ULONG before = d3d9test::LiveObjects(m_d3d);
    const ULONG deviceReferences = m_device->AddRef() - 1;
    m_device->Release();
    UseCaptionFont();
    EXPECT_GT(d3d9test::LiveObjects(m_d3d), before);  // its atlas, program and declaration

    IDirect3DDevice9* device = nullptr;
    ASSERT_EQ(m_font->GetDevice(&device), D3D_OK);
    EXPECT_EQ(device, m_device);
    device->Release();
    void* object = nullptr;
    ASSERT_EQ(m_font->QueryInterface(IID_ID3DXFont, &object), S_OK);
    EXPECT_EQ(object, m_font);
    static_cast<ID3DXFont*>(object)->Release();
    EXPECT_EQ(m_font->QueryInterface(IID_IDirect3DDevice9, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);

    Clear();
    Draw(kTexts[0], 0, 0, kLettering);
    EXPECT_EQ(m_font->Release(), 0u);
    m_font = nullptr;
    EXPECT_EQ(d3d9test::LiveObjects(m_d3d), before);
    EXPECT_EQ(m_device->AddRef() - 1, deviceReferences);
    m_device->Release();
}

TEST_F(FontTest, DrawingAgainMakesNothingNew) {
    UseCaptionFont();
    Clear();
    for (const char* text : kTexts) Draw(text, 0, 0, kLettering);
    const ULONG afterFirst = d3d9test::LiveObjects(m_d3d);
    for (int frame = 0; frame < 50; ++frame)
        for (const char* text : kTexts) Draw(text, frame % 3 - 1, 0, kLettering);
    EXPECT_EQ(d3d9test::LiveObjects(m_d3d), afterFirst);
    EXPECT_EQ(Internals().Atlas().PageCount(), 1u);
}

// CP932 bytes of count distinct kanji of the first level, from 亜 on.
std::string Kanji(int count) {
    std::string text;
    for (int lead = 0x88; lead <= 0x9F && count > 0; ++lead) {
        for (int trail = lead == 0x88 ? 0x9F : 0x40; trail <= 0xFC && count > 0; ++trail) {
            if (trail == 0x7F) continue;
            text += static_cast<char>(lead);
            text += static_cast<char>(trail);
            --count;
        }
    }
    return text;
}

TEST_F(FontTest, AFullAtlasPageIsFollowedByAnotherAndKeepsItsGlyphs) {
    UseCaptionFont();
    const std::string many = Kanji(900);  // more than one 512 × 512 page holds at 24 pixels
    const std::string first = many.substr(0, 2), last = many.substr(many.size() - 2);
    const ULONG before = d3d9test::LiveObjects(m_d3d);
    Clear();
    Draw(many.c_str(), 0, 0, kLettering);
    const size_t pages = Internals().Atlas().PageCount();
    EXPECT_GT(pages, 1u);
    EXPECT_EQ(d3d9test::LiveObjects(m_d3d), before + (pages - 1));

    // A glyph of the first page and one of the last, drawn in one text, look as they do from
    // a fresh font.
    const std::string pair = first + last;
    Clear();
    Draw(pair.c_str(), 2, 4, kLettering);
    const auto paged = ReadBack();
    ID3DXFont* fresh = nullptr;
    ASSERT_EQ(CreateFont(&fresh), D3D_OK);
    Clear();
    Draw(pair.c_str(), 2, 4, kLettering, DT_NOCLIP, fresh);
    EXPECT_EQ(ReadBack(), paged);
    EXPECT_EQ(Internals(fresh).Atlas().PageCount(), 1u);
    fresh->Release();
}

}  // namespace
}  // namespace d3dx9test
