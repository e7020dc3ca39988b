// Runs dflogogen and checks the picture it writes.
#include <gtest/gtest.h>

#include "tests/tools/ToolTestSupport.h"

namespace {

TEST(LogoGenerator, SameFontsGiveTheSameBytes) {
    ScratchDir dir;
    for (const char* name : {"a.png", "b.png"}) {
        const RunResult run =
            RunTool(DF_TEST_LOGOGEN, {"--font-bold", DF_TEST_FONT_BOLD, "--font-regular",
                                      DF_TEST_FONT_REGULAR, "--out", dir.File(name)});
        ASSERT_EQ(run.exitCode, 0) << run.errorOutput;
    }
    const std::vector<uint8_t> a = ReadBytes(dir.File("a.png"));
    EXPECT_FALSE(a.empty());
    EXPECT_EQ(a, ReadBytes(dir.File("b.png")));
}

TEST(LogoGenerator, BadInputIsRefusedWithAMessageAndWritesNothing) {
    ScratchDir dir;
    const std::string out = dir.File("logo.png");
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{"--font-bold", dir.File("missing.ttf"), "--out", out}, "cannot open font"},
        {{}, "no output file"},
        {{"--out", dir.File("absent/logo.png")}, "cannot create"},
        {{"--out"}, "needs a value"},
        {{"--colour", "red"}, "unknown argument"},
    };
    for (const Case& c : cases) {
        const RunResult run = RunTool(DF_TEST_LOGOGEN, c.args);
        EXPECT_NE(run.exitCode, 0) << c.message;
        EXPECT_NE(run.errorOutput.find(c.message), std::string::npos)
            << "expected '" << c.message << "' in: " << run.errorOutput;
    }
    EXPECT_FALSE(FileExists(out));
}

}  // namespace
