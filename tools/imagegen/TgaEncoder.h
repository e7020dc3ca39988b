// Uncompressed 32-bit Truevision TGA files.
#pragma once

#include <cstdint>
#include <vector>

struct Rgba8 {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    uint8_t a = 0;
};

// Length of the fixed header that precedes the pixels.
constexpr int kTgaHeaderSize = 18;

// The file for `pixels` (width × height, row 0 at the top): an 18-byte header (no image ID,
// no colour map, image type 2, 32 bits per pixel with 8 alpha bits, bottom-left origin), then
// blue, green, red, alpha per pixel with the bottom row first. Width and height must lie in
// 1 to 65535; otherwise the result is empty.
std::vector<uint8_t> EncodeTga32(const std::vector<Rgba8>& pixels, int width, int height);
