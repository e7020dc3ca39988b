#include "tests/tools/ToolTestSupport.h"

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

ScratchDir::ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "dftools-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) m_path = pattern;
}

ScratchDir::~ScratchDir() {
    if (m_path.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

namespace {

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) {
        if (c == '\'') {
            q += "'\\''";
        } else {
            q += c;
        }
    }
    return q + "'";
}

}  // namespace

RunResult RunTool(const std::string& program, const std::vector<std::string>& arguments) {
    ScratchDir scratch;
    const std::string errorFile = scratch.File("stderr.txt");
    std::string command = Quote(program);
    for (const std::string& a : arguments) command += " " + Quote(a);
    command += " 2>" + Quote(errorFile) + " >/dev/null";
    RunResult result;
    const int status = std::system(command.c_str());
    if (status != -1 && WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    result.errorOutput = ReadText(errorFile);
    return result;
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>());
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool FileExists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}
