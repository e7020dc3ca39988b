// A fresh, empty directory of a test's own, removed with everything in it afterwards.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

namespace win32test {

class TemporaryDirectory {
public:
    TemporaryDirectory() {
        char pattern[] = "/tmp/dfdemo-test-XXXXXX";
        if (mkdtemp(pattern) != nullptr) m_path = pattern;
    }
    ~TemporaryDirectory() {
        if (!m_path.empty()) std::filesystem::remove_all(m_path);
    }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    // Empty when the directory could not be made.
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

}  // namespace win32test
