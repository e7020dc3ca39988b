#include "image/Image.h"

#include <cstdint>

#include "platform/crt/aligned_memory.h"

namespace {

// Pixel arrays are limited to what a 32-bit byte count can describe.
constexpr std::uint64_t kMaxArrayBytes = 0xFFFFFFFFu;

}  // namespace

Image::~Image() {
    Image::Release();
}

void Image::Release() {
    if (m_pixels != nullptr) {
        AlignedFree(m_pixels);
        m_pixels = nullptr;
    }
    m_height = 0;
    m_width = 0;
}

bool Image::Create(int width, int height) {
    Release();
    if (width < 0 || height < 0) return false;

    // Counted in 64 bits: 65535 x 65535 pixels would overflow a 32-bit product.
    const std::uint64_t count =
        static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height);
    const std::uint64_t bytes = count * sizeof(FloatColor);
    if (bytes > kMaxArrayBytes) return false;

    m_pixels = static_cast<FloatColor*>(AlignedAlloc(static_cast<std::size_t>(bytes), 16));
    if (m_pixels == nullptr) return false;
    m_width = width;
    m_height = height;
    for (std::uint64_t i = 0; i < count; ++i) m_pixels[i] = FloatColor{0.0f, 0.0f, 0.0f, 1.0f};
    return true;
}

void Image::SetPixel(int x, int y, const FloatColor& color) {
    if (x < 0 || x >= m_width || y < 0 || y >= m_height) return;
    m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
             static_cast<std::size_t>(x)] = color;
}
