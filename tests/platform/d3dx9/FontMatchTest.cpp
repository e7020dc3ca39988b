// Face matching and glyph rendering without a device: fontconfig's choice among the faces
// covering Japanese, fallback to other faces, emboldening, and the cell metrics.
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "platform/d3dx9/d3dx9_glyph_source.h"

namespace d3dx9test {
namespace {

using d3dx9::FaceMatch;
using d3dx9::FaceRequest;
using d3dx9::GlyphSource;

// A fontconfig configuration written to a file of its own for the test's lifetime.
class ConfigFile {
public:
    explicit ConfigFile(const std::string& body) {
        char path[] = "/tmp/d3dx9_fonts_XXXXXX";
        const int fd = mkstemp(path);
        if (fd >= 0) close(fd);
        m_path = path;
        std::ofstream(m_path) << "<?xml version=\"1.0\"?>\n<fontconfig>\n"
                              << body << "</fontconfig>\n";
    }
    ~ConfigFile() { std::remove(m_path.c_str()); }
    const char* Path() const { return m_path.c_str(); }

private:
    std::string m_path;
};

FaceRequest Request(const char* family, int weight) {
    FaceRequest request;
    request.family = family;
    request.weight = weight;
    request.pitchAndFamily = 0x20;  // FF_SWISS
    return request;
}

TEST(FaceMatchTest, ConfigurationWithoutFontsGivesNoFace) {
    const ConfigFile empty("");
    EXPECT_EQ(FaceMatch::Find(Request("Meiryo", 700), empty.Path()), nullptr);
}

TEST(FaceMatchTest, BoldRequestEmboldensWhenTheFamilyHasNoBoldFace) {
    // The system's fonts without any bold face.
    const ConfigFile noBold(
        "<include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n"
        "<selectfont><rejectfont><pattern><patelt name=\"weight\"><const>bold</const>"
        "</patelt></pattern></rejectfont></selectfont>\n");
    auto faces = FaceMatch::Find(Request("Meiryo", 700), noBold.Path());
    ASSERT_NE(faces, nullptr);
    EXPECT_LT(faces->Candidate(0).weight, 600);
    d3dx9::GlyphStyle bold;
    bold.weight = 700;
    auto synthetic = GlyphSource::Create(std::move(faces), {24, 0}, bold);
    ASSERT_NE(synthetic, nullptr);
    EXPECT_TRUE(synthetic->Emboldened(0));

    auto regular = GlyphSource::Create(FaceMatch::Find(Request("Meiryo", 400), noBold.Path()),
                                       {24, 0}, d3dx9::GlyphStyle{});
    ASSERT_NE(regular, nullptr);
    EXPECT_FALSE(regular->Emboldened(0));
    auto ink = [](GlyphSource& source) {
        d3dx9::GlyphImage image;
        EXPECT_TRUE(source.Render(source.Find(U'補'), &image));
        long sum = 0;
        for (auto c : image.coverage) sum += c;
        return sum;
    };
    EXPECT_GT(ink(*synthetic), ink(*regular) * 11 / 10);
}

TEST(FaceMatchTest, CharactersTheLeadingFaceLacksComeFromAnotherFace) {
    auto source =
        GlyphSource::Create(FaceMatch::Find(Request("Meiryo", 700)), {24, 0}, d3dx9::GlyphStyle{});
    ASSERT_NE(source, nullptr);
    // Hebrew is no part of a Japanese face, but the system has a face for it.
    const char32_t alef = 0x05D0;
    if (!source->Faces().Covers(0, alef)) {
        const d3dx9::GlyphRef ref = source->Find(alef);
        EXPECT_GT(ref.face, 0u);
        EXPECT_NE(ref.index, 0u);
        d3dx9::GlyphImage image;
        EXPECT_TRUE(source->Render(ref, &image));
        EXPECT_GT(image.width, 0u);
    }
    // A character no face has is shown with the leading face's missing glyph.
    const d3dx9::GlyphRef none = source->Find(0x10FFFD);
    EXPECT_EQ(none.face, 0u);
    EXPECT_EQ(none.index, 0u);
}

TEST(GlyphSourceTest, HeightNamesTheCellOrWhenNegativeTheEm) {
    auto cell =
        GlyphSource::Create(FaceMatch::Find(Request("Meiryo", 700)), {24, 0}, d3dx9::GlyphStyle{});
    auto em =
        GlyphSource::Create(FaceMatch::Find(Request("Meiryo", 700)), {-24, 0}, d3dx9::GlyphStyle{});
    ASSERT_NE(cell, nullptr);
    ASSERT_NE(em, nullptr);
    EXPECT_EQ(cell->LineHeight(), 24);
    EXPECT_GT(em->LineHeight(), 24);  // the cell is taller than the em square
    d3dx9::GlyphImage small, large;
    ASSERT_TRUE(cell->Render(cell->Find(U'あ'), &small));
    ASSERT_TRUE(em->Render(em->Find(U'あ'), &large));
    EXPECT_LT(small.height, large.height);
    EXPECT_LE(small.top, cell->Ascent());
}

TEST(GlyphSourceTest, NonAntialiasedGlyphsHaveOnlyFullAndEmptyPixels) {
    d3dx9::GlyphStyle mono;
    mono.antialiased = false;
    auto source = GlyphSource::Create(FaceMatch::Find(Request("Meiryo", 400)), {24, 0}, mono);
    ASSERT_NE(source, nullptr);
    d3dx9::GlyphImage image;
    ASSERT_TRUE(source->Render(source->Find(U'補'), &image));
    int full = 0;
    for (auto c : image.coverage) {
        ASSERT_TRUE(c == 0 || c == 255);
        full += c == 255;
    }
    EXPECT_GT(full, 20);
}

}  // namespace
}  // namespace d3dx9test
