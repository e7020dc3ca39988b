// Runs dfimagegen as a user would and checks what it writes.
#include <gtest/gtest.h>

#include <cmath>

#include "assets/DistanceFieldEncoding.h"
#include "tests/tools/ToolTestSupport.h"
#include "tools/imagegen/DistanceField.h"
#include "tools/imagegen/TestShapes.h"
#include "tools/imagegen/TgaEncoder.h"

namespace {

const char* const kOutputs[] = {"image.tga", "image_outline.svg", "image_coverage_16x.png"};

TEST(ImageGenerator, SameInputsGiveTheSameBytes) {
    const std::vector<std::vector<std::string>> runs = {
        {"--font", DF_TEST_FONT_BOLD},
        {"--shape", "circle"},
    };
    for (const auto& shapeArgs : runs) {
        ScratchDir first;
        ScratchDir second;
        for (const ScratchDir* dir : {&first, &second}) {
            std::vector<std::string> args = shapeArgs;
            args.insert(args.end(), {"--out-dir", dir->Path()});
            const RunResult run = RunTool(DF_TEST_IMAGEGEN, args);
            ASSERT_EQ(run.exitCode, 0) << run.errorOutput;
        }
        for (const char* name : kOutputs) {
            const std::vector<uint8_t> a = ReadBytes(first.File(name));
            EXPECT_FALSE(a.empty()) << name;
            EXPECT_EQ(a, ReadBytes(second.File(name))) << name << " for " << shapeArgs[1];
        }
    }
}

// The square test shape decoded from the written file: coverage and distances as known.
TEST(ImageGenerator, SquareShapeFileHoldsItsExactCoverageAndDistances) {
    ScratchDir dir;
    const RunResult run = RunTool(DF_TEST_IMAGEGEN, {"--shape", "square", "--out-dir", dir.Path()});
    ASSERT_EQ(run.exitCode, 0) << run.errorOutput;
    const std::vector<uint8_t> file = ReadBytes(dir.File("image.tga"));
    ASSERT_EQ(file.size(), static_cast<size_t>(kTgaHeaderSize + 256 * 64 * 4));
    // Texel (x, y) counted from the top; the file stores the bottom row first.
    auto texel = [&](int x, int y) { return &file[kTgaHeaderSize + ((63 - y) * 256 + x) * 4]; };
    struct Case {
        int x, y;
        int grey;
        double distance;
    };
    const Case cases[] = {
        {31, 31, 255, 15.0}, {20, 31, 255, 4.0},
        {17, 31, 255, 1.0},  {16, 31, 128, 0.0},
        {15, 31, 0, -1.0},   {10, 31, 0, -6.0},
        {16, 16, 64, 0.0},   {47, 47, 64, 0.0},
        {30, 47, 128, 0.0},  {48, 48, 0, -std::sqrt(2.0)},
    };
    for (const Case& c : cases) {
        const uint8_t* p = texel(c.x, c.y);
        EXPECT_EQ(p[0], c.grey) << c.x << "," << c.y;  // blue
        EXPECT_EQ(p[1], c.grey);
        EXPECT_EQ(p[2], c.grey);
        EXPECT_EQ(p[3], EncodeDistance(c.distance, kDistanceFieldSpread)) << c.x << "," << c.y;
    }
}

TEST(ImageGenerator, BadInputIsRefusedWithAMessageAndWritesNothing) {
    ScratchDir dir;
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{"--font", dir.File("missing.ttf"), "--out-dir", dir.Path()}, "cannot open font"},
        {{"--font", DF_TEST_FONT_BOLD}, "no output folder"},
        {{"--font", DF_TEST_FONT_BOLD, "--out-dir", dir.File("absent")}, "does not exist"},
        {{"--shape", "triangle", "--out-dir", dir.Path()}, "unknown shape"},
        {{"--out-dir", dir.Path()}, "no font given"},
        {{"--font", DF_TEST_FONT_BOLD, "--text", "\xE4\xB8\x80", "--out-dir", dir.Path()},
         "no glyph for U+4E00"},
        {{"--font", DF_TEST_FONT_BOLD, "--text", "\xC3", "--out-dir", dir.Path()}, "UTF-8"},
        {{"--font", DF_TEST_FONT_BOLD, "--ink-height", "tall", "--out-dir", dir.Path()},
         "needs a number"},
        {{"--font", DF_TEST_FONT_BOLD, "--ink-height", "0", "--out-dir", dir.Path()},
         "must be positive"},
        {{"--font", DF_TEST_FONT_BOLD, "--ink-height", "1e9", "--out-dir", dir.Path()},
         "at most 256"},
        {{"--font", DF_TEST_FONT_BOLD, "--ink-left", "-5000", "--out-dir", dir.Path()},
         "within 1024"},
        {{"--out-dir"}, "needs a value"},
        {{"--frobnicate"}, "unknown argument"},
    };
    for (const Case& c : cases) {
        const RunResult run = RunTool(DF_TEST_IMAGEGEN, c.args);
        EXPECT_NE(run.exitCode, 0) << c.message;
        EXPECT_NE(run.errorOutput.find(c.message), std::string::npos)
            << "expected '" << c.message << "' in: " << run.errorOutput;
    }
    for (const char* name : kOutputs) EXPECT_FALSE(FileExists(dir.File(name))) << name;
}

TEST(TgaEncoder, WritesTheHeaderAndBottomRowFirstInBlueGreenRedAlpha) {
    const std::vector<Rgba8> pixels = {
        {1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}};
    const std::vector<uint8_t> file = EncodeTga32(pixels, 2, 2);
    const std::vector<uint8_t> expected = {
        0,  0,  2, 0,  0,  0,  0,  0,  0, 0, 0, 0, 2, 0, 2, 0, 32, 8,  // header
        11, 10, 9, 12, 15, 14, 13, 16,                                 // bottom row
        3,  2,  1, 4,  7,  6,  5,  8,                                  // top row
    };
    EXPECT_EQ(file, expected);
    EXPECT_TRUE(EncodeTga32(pixels, 0, 4).empty());
    EXPECT_TRUE(EncodeTga32(pixels, 3, 2).empty());  // too few pixels for the size
}

}  // namespace
