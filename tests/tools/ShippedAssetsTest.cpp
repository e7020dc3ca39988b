// The files committed in assets/data: their format, and that they are what the generators
// make from the current sources.
#include <gtest/gtest.h>

#include <stb_image.h>

#include <cmath>
#include <cstdlib>
#include <sstream>

#include "tests/tools/ToolTestSupport.h"
#include "tools/imagegen/ShapeSource.h"
#include "tools/imagegen/TgaEncoder.h"
#include "tools/imagegen/ViewFeatures.h"

namespace {

std::string Asset(const std::string& name) {
    return std::string(DF_TEST_ASSET_DIR) + "/" + name;
}

uint16_t Little16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}

TEST(ShippedAssets, ImageTgaIsUncompressed32BitBottomUp256By64) {
    const std::vector<uint8_t> file = ReadBytes(Asset("image.tga"));
    ASSERT_EQ(file.size(), static_cast<size_t>(kTgaHeaderSize + 256 * 64 * 4));
    EXPECT_EQ(file[0], 0);  // no image ID
    EXPECT_EQ(file[1], 0);  // no colour map
    EXPECT_EQ(file[2], 2);  // uncompressed true-colour
    for (int k = 3; k < 12; ++k) EXPECT_EQ(file[k], 0) << "byte " << k;
    EXPECT_EQ(Little16(file, 12), 256);
    EXPECT_EQ(Little16(file, 14), 64);
    EXPECT_EQ(file[16], 32);
    EXPECT_EQ(file[17], 8);  // 8 alpha bits, origin at the bottom left
    // Grey coverage: red, green and blue agree in every texel.
    for (size_t p = kTgaHeaderSize; p < file.size(); p += 4) {
        ASSERT_EQ(file[p], file[p + 1]);
        ASSERT_EQ(file[p], file[p + 2]);
    }
}

TEST(ShippedAssets, CommittedFilesAreWhatTheGeneratorsMakeNow) {
    if (!FileExists(DF_TEST_FONT_BOLD) || !FileExists(DF_TEST_FONT_REGULAR)) {
        GTEST_SKIP() << "the fonts the assets were made from are not installed";
    }
    ScratchDir dir;
    RunResult run =
        RunTool(DF_TEST_IMAGEGEN, {"--font", DF_TEST_FONT_BOLD, "--out-dir", dir.Path()});
    ASSERT_EQ(run.exitCode, 0) << run.errorOutput;
    for (const char* name : {"image.tga", "image_outline.svg", "image_coverage_16x.png"}) {
        EXPECT_EQ(ReadBytes(dir.File(name)), ReadBytes(Asset(name)))
            << name << " is stale: regenerate it (tools/README.md)";
    }
    run = RunTool(DF_TEST_LOGOGEN, {"--font-bold", DF_TEST_FONT_BOLD, "--font-regular",
                                    DF_TEST_FONT_REGULAR, "--out", dir.File("logo.png")});
    ASSERT_EQ(run.exitCode, 0) << run.errorOutput;
    EXPECT_EQ(ReadBytes(dir.File("logo.png")), ReadBytes(Asset("logo.png")))
        << "logo.png is stale: regenerate it (tools/README.md)";
}

// Each 16 × 16 block of the reference image averages to the image's own coverage.
TEST(ShippedAssets, MagnifiedCoverageAgreesWithTheImageCoverage) {
    int w = 0, h = 0, channels = 0;
    stbi_uc* grey = stbi_load(Asset("image_coverage_16x.png").c_str(), &w, &h, &channels, 1);
    ASSERT_NE(grey, nullptr);
    EXPECT_EQ(w, 4096);
    EXPECT_EQ(h, 1024);
    EXPECT_EQ(channels, 1);
    const std::vector<uint8_t> tga = ReadBytes(Asset("image.tga"));
    ASSERT_EQ(tga.size(), static_cast<size_t>(kTgaHeaderSize + 256 * 64 * 4));
    double worst = 0.0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 256; ++x) {
            double sum = 0.0;
            for (int j = 0; j < 16; ++j) {
                for (int i = 0; i < 16; ++i) sum += grey[(y * 16 + j) * 4096 + x * 16 + i];
            }
            const int r = tga[kTgaHeaderSize + ((63 - y) * 256 + x) * 4 + 2];
            worst = std::max(worst, std::fabs(sum / 256.0 - r));
        }
    }
    stbi_image_free(grey);
    EXPECT_LE(worst, 1.0);  // both rounded to 8 bits
}

// Reads back M, L, Q and Z path data.
Outline ParseSvgPath(const std::string& d) {
    std::istringstream in(d);
    OutlineBuilder b;
    std::string token;
    auto point = [&]() {
        Vec2 p;
        in >> p.x >> p.y;
        return p;
    };
    char command = 0;
    while (in >> std::ws && !in.eof()) {
        const int next = in.peek();
        if (std::isalpha(next)) {
            command = static_cast<char>(in.get());
            if (command == 'Z') {
                b.Close();
                continue;
            }
        }
        if (command == 'M') {
            b.MoveTo(point());
        } else if (command == 'L') {
            b.LineTo(point());
        } else if (command == 'Q') {
            const Vec2 c = point();
            b.QuadTo(c, point());
        } else {
            break;
        }
    }
    return b.Finish();
}

TEST(ShippedAssets, OutlineSvgHoldsTheImageCurvesInTexelCoordinates) {
    const std::string svg = ReadText(Asset("image_outline.svg"));
    EXPECT_NE(svg.find("viewBox=\"0 0 256 64\""), std::string::npos);
    const size_t start = svg.find(" d=\"");
    ASSERT_NE(start, std::string::npos);
    const size_t end = svg.find('"', start + 4);
    const Outline parsed = ParseSvgPath(svg.substr(start + 4, end - start - 4));
    if (!FileExists(DF_TEST_FONT_BOLD)) GTEST_SKIP() << "the font is not installed";
    ShapeOptions options;
    options.fontPath = DF_TEST_FONT_BOLD;
    Outline outline;
    std::string error;
    ASSERT_TRUE(BuildShapeOutline(options, &outline, &error)) << error;
    ASSERT_EQ(parsed.contours.size(), outline.contours.size());
    for (size_t c = 0; c < outline.contours.size(); ++c) {
        ASSERT_EQ(parsed.contours[c].size(), outline.contours[c].size()) << "contour " << c;
        for (size_t s = 0; s < outline.contours[c].size(); ++s) {
            const Segment& a = parsed.contours[c][s];
            const Segment& b = outline.contours[c][s];
            EXPECT_EQ(a.quadratic, b.quadratic);
            EXPECT_LT(Length(a.from - b.from), 1e-6);
            EXPECT_LT(Length(a.to - b.to), 1e-6);
            if (b.quadratic) {
                EXPECT_LT(Length(a.control - b.control), 1e-6);
            }
        }
    }
}

// At the largest magnification a panel shows about 7 × 6.5 texels around texel point
// (32, 32); the shape is placed so that this shows a corner and a curved edge.
TEST(ShippedAssets, LargestMagnificationShowsACornerAndACurve) {
    if (!FileExists(DF_TEST_FONT_BOLD)) GTEST_SKIP() << "the font is not installed";
    ShapeOptions options;
    options.fontPath = DF_TEST_FONT_BOLD;
    Outline outline;
    std::string error;
    ASSERT_TRUE(BuildShapeOutline(options, &outline, &error)) << error;
    const ViewWindow window = PanelWindow(341, 320, 49.0, {32.0, 32.0}, {170.0, 160.0});
    const ViewFeatures features = FeaturesInWindow(outline, window);
    EXPECT_GE(features.corners, 1);
    EXPECT_GE(features.curvedEdges, 1);
    // The whole word lies inside the image.
    const Bounds ink = OutlineBounds(outline);
    EXPECT_GE(ink.min.x, 1.0);
    EXPECT_LE(ink.max.x, 255.0);
    EXPECT_GE(ink.min.y, 1.0);
    EXPECT_LE(ink.max.y, 63.0);
}

TEST(ShippedAssets, LogoIsASmallRgbaPngTransparentAwayFromItsBadge) {
    const std::vector<uint8_t> file = ReadBytes(Asset("logo.png"));
    EXPECT_LT(file.size(), 64u * 1024u);
    int w = 0, h = 0, channels = 0;
    stbi_uc* rgba =
        stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &w, &h, &channels, 4);
    ASSERT_NE(rgba, nullptr);
    EXPECT_EQ(w, 448);
    EXPECT_EQ(h, 128);
    EXPECT_EQ(channels, 4);
    int opaque = 0;
    int coveredOutside = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int a = rgba[(y * w + x) * 4 + 3];
            if (a == 255) ++opaque;
            // The left part lies over the middle panel, the top over the right panel's
            // image: both stay clear.
            if ((x < 106 || y < 40) && a != 0) ++coveredOutside;
        }
    }
    stbi_image_free(rgba);
    EXPECT_GT(opaque, 1000);
    EXPECT_EQ(coveredOutside, 0);
}

}  // namespace
