#include "platform/d3dx9/d3dx9_image.h"

#include <stb_image.h>
#include <stb_image_resize.h>

#include <climits>

namespace d3dx9 {

bool DecodeImage(const void* data, std::size_t size, RgbaImage* image) {
    if (!data || size == 0 || size > static_cast<std::size_t>(INT_MAX)) return false;
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(static_cast<const stbi_uc*>(data),
                                            static_cast<int>(size), &width, &height, &channels, 4);
    if (!pixels) return false;
    image->width = static_cast<unsigned>(width);
    image->height = static_cast<unsigned>(height);
    image->pixels.assign(pixels, pixels + static_cast<std::size_t>(width) * height * 4);
    stbi_image_free(pixels);
    return width > 0 && height > 0;
}

RgbaImage Resize(const RgbaImage& image, unsigned width, unsigned height) {
    RgbaImage out;
    out.width = width;
    out.height = height;
    out.pixels.assign(static_cast<std::size_t>(width) * height * 4, 0);
    stbir_resize_uint8(image.pixels.data(), static_cast<int>(image.width),
                       static_cast<int>(image.height), 0, out.pixels.data(),
                       static_cast<int>(width), static_cast<int>(height), 0, 4);
    return out;
}

RgbaImage BoxDownsample(const RgbaImage& image) {
    RgbaImage out;
    out.width = image.width > 1 ? image.width / 2 : 1;
    out.height = image.height > 1 ? image.height / 2 : 1;
    out.pixels.resize(static_cast<std::size_t>(out.width) * out.height * 4);
    const unsigned sx = image.width > 1 ? 2 : 1;
    const unsigned sy = image.height > 1 ? 2 : 1;
    for (unsigned y = 0; y < out.height; ++y) {
        for (unsigned x = 0; x < out.width; ++x) {
            for (unsigned c = 0; c < 4; ++c) {
                unsigned sum = 0;
                for (unsigned j = 0; j < sy; ++j)
                    for (unsigned i = 0; i < sx; ++i)
                        sum += image.pixels[((static_cast<std::size_t>(y) * sy + j) * image.width +
                                             x * sx + i) *
                                                4 +
                                            c];
                const unsigned n = sx * sy;
                out.pixels[(static_cast<std::size_t>(y) * out.width + x) * 4 + c] =
                    static_cast<std::uint8_t>((sum + n / 2) / n);
            }
        }
    }
    return out;
}

void ApplyColorKey(RgbaImage* image, std::uint32_t colorKey) {
    if (colorKey == 0) return;
    const std::uint8_t key[4] = {
        static_cast<std::uint8_t>(colorKey >> 16), static_cast<std::uint8_t>(colorKey >> 8),
        static_cast<std::uint8_t>(colorKey), static_cast<std::uint8_t>(colorKey >> 24)};
    for (std::size_t i = 0; i + 3 < image->pixels.size(); i += 4) {
        std::uint8_t* p = &image->pixels[i];
        if (p[0] == key[0] && p[1] == key[1] && p[2] == key[2] && p[3] == key[3])
            p[0] = p[1] = p[2] = p[3] = 0;
    }
}

}  // namespace d3dx9
