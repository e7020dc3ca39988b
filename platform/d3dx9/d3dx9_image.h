// Images decoded from files for textures: 8-bit RGBA pixels, rows from the top, and the box
// filter that makes each smaller mip level from the one above it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace d3dx9 {

struct RgbaImage {
    unsigned width = 0;
    unsigned height = 0;
    std::vector<std::uint8_t> pixels;  // r, g, b, a per pixel
};

// Decodes a TGA or PNG file held in memory (and whatever else stb_image reads). False for data
// that is not a complete image of a known format.
bool DecodeImage(const void* data, std::size_t size, RgbaImage* image);

// Scales to another size (only used when a caller asks for a size other than the file's).
RgbaImage Resize(const RgbaImage& image, unsigned width, unsigned height);

// The next mip level: half the size (at least 1) with every pixel the average of the 2 × 2
// (or, at an odd or unit size, 2 × 1 and 1 × 2) block above it, rounded to nearest.
RgbaImage BoxDownsample(const RgbaImage& image);

// Makes pixels of exactly the colour key (0xAARRGGBB) transparent black; 0 keys nothing.
void ApplyColorKey(RgbaImage* image, std::uint32_t colorKey);

}  // namespace d3dx9
