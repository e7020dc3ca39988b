// Image: the array Create makes and what SetPixel may touch.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <vector>

#include "image/Image.h"

namespace {

TEST(Image, CreateFillsWithOpaqueBlackOnAlignedArray) {
    Image image;
    ASSERT_TRUE(image.Create(5, 3));
    EXPECT_EQ(image.m_width, 5);
    EXPECT_EQ(image.m_height, 3);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(image.m_pixels) % 16, 0u);
    for (int i = 0; i < 15; ++i) {
        const FloatColor& p = image.m_pixels[i];
        EXPECT_TRUE(p.r == 0.0f && p.g == 0.0f && p.b == 0.0f && p.a == 1.0f) << "pixel " << i;
    }
}

TEST(Image, CreateRefusesNegativeAndOversizedRequestsAndStaysEmpty) {
    struct Case {
        int width;
        int height;
    };
    // 2^28 pixels need 4 GiB, one byte more than a 32-bit count describes; 65535 x 65535
    // overflows a 32-bit pixel count.
    for (Case c : {Case{-1, 4}, Case{4, -1}, Case{INT_MIN, INT_MIN}, Case{65535, 65535},
                   Case{16384, 16384}, Case{INT_MAX, 2}}) {
        Image image;
        ASSERT_TRUE(image.Create(2, 2));
        EXPECT_FALSE(image.Create(c.width, c.height)) << c.width << " x " << c.height;
        EXPECT_EQ(image.m_pixels, nullptr);
        EXPECT_EQ(image.m_width, 0);
        EXPECT_EQ(image.m_height, 0);
    }
}

TEST(Image, SetPixelOutsideTheImageChangesNothing) {
    Image image;
    ASSERT_TRUE(image.Create(4, 3));
    const FloatColor red = {1.0f, 0.0f, 0.0f, 1.0f};
    const std::vector<FloatColor> before(image.m_pixels, image.m_pixels + 12);
    struct Case {
        int x;
        int y;
    };
    for (Case c : {Case{-1, 0}, Case{0, -1}, Case{4, 0}, Case{0, 3}, Case{4, 3}, Case{-1, -1},
                   Case{INT_MIN, 0}, Case{0, INT_MAX}, Case{INT_MAX, INT_MAX}}) {
        image.SetPixel(c.x, c.y, red);
        EXPECT_EQ(std::memcmp(image.m_pixels, before.data(), 12 * sizeof(FloatColor)), 0)
            << "(" << c.x << ", " << c.y << ")";
    }

    // Inside, the pixel at column x, row y is entry y * width + x.
    image.SetPixel(3, 2, red);
    EXPECT_EQ(image.m_pixels[2 * 4 + 3].r, 1.0f);
}

}  // namespace
