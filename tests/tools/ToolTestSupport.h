// Helpers for the generator tests: scratch folders, running the tools, reading files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with its files on destruction.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

struct RunResult {
    int exitCode = -1;
    std::string errorOutput;
};

// Runs `program` with `arguments` (each quoted for the shell) and collects its stderr.
RunResult RunTool(const std::string& program, const std::vector<std::string>& arguments);

std::vector<uint8_t> ReadBytes(const std::string& path);
std::string ReadText(const std::string& path);
bool FileExists(const std::string& path);
