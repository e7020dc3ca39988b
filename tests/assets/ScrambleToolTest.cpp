// dfscramble, the build step that embeds assets: clear failures for bad input, and no output
// left behind when it fails.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

struct ToolRun {
    int exitCode;
    std::string errors;
};

// A path in the temporary folder that no other test process uses.
std::string TempPath(const std::string& name) {
    return testing::TempDir() + std::to_string(getpid()) + "_" + name;
}

ToolRun RunTool(const std::string& arguments) {
    const std::string errors = TempPath("dfscramble_errors.txt");
    const std::string command =
        std::string("'") + DF_TEST_SCRAMBLE_TOOL + "' " + arguments + " 2>'" + errors + "'";
    const int status = std::system(command.c_str());
    std::string text;
    {
        std::ifstream in(errors);
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::remove(errors.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text};
}

std::string WriteInput(const std::string& name, const std::string& contents) {
    const std::string path = TempPath(name);
    std::ofstream(path, std::ios::binary) << contents;
    return path;
}

bool Exists(const std::string& path) {
    return std::ifstream(path).good();
}

TEST(ScrambleTool, WritesSourceForValidInput) {
    const std::string input = WriteInput("dfscramble_ok.txt", "value=@V@;\n");
    const std::string output = TempPath("dfscramble_ok.cpp");
    std::remove(output.c_str());
    const ToolRun run =
        RunTool("--input '" + input + "' --output '" + output + "' --symbol kOk --replace V=3.0");
    EXPECT_EQ(run.exitCode, 0) << run.errors;
    std::ifstream in(output);
    const std::string source((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
    EXPECT_NE(source.find("extern const unsigned char kOk[] = {"), std::string::npos);
    EXPECT_NE(source.find("extern const unsigned int kOkSize = 11u;"), std::string::npos);
    std::remove(input.c_str());
    std::remove(output.c_str());
}

TEST(ScrambleTool, RejectsBadInputWithMessageAndNoOutput) {
    const std::string withToken = WriteInput("dfscramble_token.txt", "a=@A@ b=@B@\n");
    const std::string missing = TempPath("dfscramble_no_such_file.txt");
    std::remove(missing.c_str());
    const std::string output = TempPath("dfscramble_failed.cpp");

    struct Case {
        const char* name;
        std::string arguments;
        int exitCode;
        const char* message;
    };
    const std::string io = "--input '" + withToken + "' --output '" + output + "'";
    const Case cases[] = {
        {"missing input file", "--input '" + missing + "' --output '" + output + "' --symbol kX", 1,
         "cannot read"},
        {"token left without a value", io + " --symbol kX --replace A=1", 1, "@B@ has no value"},
        {"replaced token absent", io + " --symbol kX --replace A=1 --replace B=2 --replace C=3", 1,
         "@C@ does not occur"},
        {"replacement without '='", io + " --symbol kX --replace A", 2, "TOKEN=VALUE"},
        {"symbol not an identifier", io + " --symbol 9x", 2, "not a C++ identifier"},
        {"symbol missing", io, 2, "required"},
        {"unknown option", io + " --symbol kX --verbose yes", 2, "unknown option"},
        {"option without value", io + " --symbol", 2, "needs a value"},
        {"unwritable output",
         "--input '" + withToken + "' --output '" + testing::TempDir() +
             "no_such_dir/x.cpp' --symbol kX --replace A=1 --replace B=2",
         1, "cannot write"},
    };
    for (const Case& c : cases) {
        std::remove(output.c_str());
        const ToolRun run = RunTool(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.name;
        EXPECT_NE(run.errors.find(c.message), std::string::npos) << c.name << ": " << run.errors;
        EXPECT_FALSE(Exists(output)) << c.name;
    }
    std::remove(withToken.c_str());
}

}  // namespace
