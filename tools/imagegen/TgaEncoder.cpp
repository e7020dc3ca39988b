#include "tools/imagegen/TgaEncoder.h"

#include <cstddef>

std::vector<uint8_t> EncodeTga32(const std::vector<Rgba8>& pixels, int width, int height) {
    std::vector<uint8_t> file;
    if (width < 1 || width > 65535 || height < 1 || height > 65535) return file;
    if (pixels.size() != static_cast<size_t>(width) * height) return file;
    file.assign(kTgaHeaderSize, 0);
    file[2] = 2;  // uncompressed true-colour
    file[12] = static_cast<uint8_t>(width & 0xFF);
    file[13] = static_cast<uint8_t>(width >> 8);
    file[14] = static_cast<uint8_t>(height & 0xFF);
    file[15] = static_cast<uint8_t>(height >> 8);
    file[16] = 32;
    file[17] = 8;  // 8 alpha bits; bits 4 and 5 clear: rows run from the bottom, left to right
    file.reserve(kTgaHeaderSize + pixels.size() * 4);
    for (int row = height - 1; row >= 0; --row) {
        for (int x = 0; x < width; ++x) {
            const Rgba8& p = pixels[static_cast<size_t>(row) * width + x];
            file.push_back(p.b);
            file.push_back(p.g);
            file.push_back(p.r);
            file.push_back(p.a);
        }
    }
    return file;
}
