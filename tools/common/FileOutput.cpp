#include "tools/common/FileOutput.h"

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>

namespace {

bool WriteBytes(const std::string& path, const uint8_t* data, size_t size, std::string* error) {
    const std::string temporary = path + ".partial";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        *error = "cannot create " + temporary + ": " + std::strerror(errno);
        return false;
    }
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        *error = "cannot write " + temporary + ": " + std::strerror(written ? errno : writeErrno);
        std::remove(temporary.c_str());
        return false;
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        *error = "cannot rename " + temporary + " to " + path + ": " + std::strerror(errno);
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                         std::string* error) {
    return WriteBytes(path, bytes.data(), bytes.size(), error);
}

bool WriteFileAtomically(const std::string& path, const std::string& text, std::string* error) {
    return WriteBytes(path, reinterpret_cast<const uint8_t*>(text.data()), text.size(), error);
}
