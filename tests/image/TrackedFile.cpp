#include "TrackedFile.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>

TrackedFile::TrackedFile(const std::string& name, const std::vector<unsigned char>& bytes)
    : m_path(testing::TempDir() + std::to_string(getpid()) + "_" + name) {
    std::FILE* out = std::fopen(m_path.c_str(), "wb");
    EXPECT_NE(out, nullptr) << m_path;
    if (out == nullptr) return;
    if (!bytes.empty()) {
        EXPECT_EQ(std::fwrite(bytes.data(), bytes.size(), 1, out), 1u);
    }
    std::fclose(out);
}

TrackedFile::~TrackedFile() {
    if (m_closes == 0 && m_stream != nullptr) {
        std::fclose(m_stream);
    } else if (m_stream == nullptr && m_inner != nullptr) {
        std::fclose(m_inner);
    }
    std::remove(m_path.c_str());
}

std::FILE* TrackedFile::Open() {
    m_inner = std::fopen(m_path.c_str(), "rb");
    if (m_inner == nullptr) return nullptr;
    cookie_io_functions_t functions = {};
    functions.read = &TrackedFile::Read;
    functions.close = &TrackedFile::Close;
    m_stream = fopencookie(this, "rb", functions);
    return m_stream;
}

ssize_t TrackedFile::Read(void* cookie, char* buffer, std::size_t size) {
    auto* self = static_cast<TrackedFile*>(cookie);
    return static_cast<ssize_t>(std::fread(buffer, 1, size, self->m_inner));
}

int TrackedFile::Close(void* cookie) {
    auto* self = static_cast<TrackedFile*>(cookie);
    ++self->m_closes;
    std::fclose(self->m_inner);
    self->m_inner = nullptr;
    return 0;
}
