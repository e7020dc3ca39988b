// The TGA reader over small fixture files: byte and row order, channel scaling, sizes the
// reader refuses or accepts, and files that end early. Every case checks that the reader
// closed the stream exactly once, and starts from an image that already holds pixels.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "TrackedFile.h"
#include "image/ByteToUnit.h"
#include "image/ImageTGA.h"

namespace {

using Bytes = std::vector<unsigned char>;

// An 18-byte header for an uncompressed 32-bit true-colour image with bottom-left origin.
Bytes Header(int width, int height) {
    Bytes header(18, 0);
    header[2] = 2;  // uncompressed true colour
    header[12] = static_cast<unsigned char>(width & 0xFF);
    header[13] = static_cast<unsigned char>(width >> 8);
    header[14] = static_cast<unsigned char>(height & 0xFF);
    header[15] = static_cast<unsigned char>(height >> 8);
    header[16] = 32;  // bits per pixel
    header[17] = 8;   // alpha bits
    return header;
}

Bytes Concat(Bytes first, const Bytes& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

Bytes Truncated(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

float Unit(int byte) {
    return static_cast<float>(byte) * kByteToUnit;
}

// The pixel a file's four bytes blue, green, red, alpha give.
FloatColor FromFile(int c0, int c1, int c2, int c3) {
    return FloatColor{Unit(c2), Unit(c1), Unit(c0), Unit(c3)};
}

struct LoadCase {
    const char* name;
    Bytes file;
    bool result;
    int width;
    int height;
    std::vector<FloatColor> pixels;  // in image order, row 0 at the top
};

std::vector<LoadCase> Cases() {
    // A 3 x 2 file: its first row is the bottom of the picture. Bytes after the pixel data
    // are not read.
    const Bytes order =
        Concat(Header(3, 2), {10, 20, 30, 40, 11, 21, 31, 41, 12, 22, 32, 42, 50, 60,
                              70, 80, 51, 61, 71, 81, 52, 62, 72, 82, 99, 99, 99, 99});
    return {
        {"byte and row order",
         order,
         true,
         3,
         2,
         {FromFile(50, 60, 70, 80), FromFile(51, 61, 71, 81), FromFile(52, 62, 72, 82),
          FromFile(10, 20, 30, 40), FromFile(11, 21, 31, 41), FromFile(12, 22, 32, 42)}},
        {"scaling of 0, 127, 254, 255, 1, 128",
         Concat(Header(2, 1), {0, 127, 254, 255, 1, 128, 128, 1}),
         true,
         2,
         1,
         {FromFile(0, 127, 254, 255), FromFile(1, 128, 128, 1)}},
        {"width 0", Concat(Header(0, 5), {1, 2, 3, 4}), true, 0, 5, {}},
        {"height 0", Header(7, 0), true, 7, 0, {}},
        {"65535 x 65535", Concat(Header(65535, 65535), {1, 2, 3, 4}), false, 0, 0, {}},
        // Pixel 1 gets blue and green, then the file ends: its red and alpha, and every
        // channel of the pixels after it, keep the last values read.
        {"full header, part of the pixels",
         Concat(Header(2, 2), {1, 2, 3, 4, 5, 6}),
         true,
         2,
         2,
         {FromFile(5, 6, 3, 4), FromFile(5, 6, 3, 4), FromFile(1, 2, 3, 4), FromFile(5, 6, 3, 4)}},
        {"header only", Header(2, 1), true, 2, 1, {FromFile(0, 0, 0, 0), FromFile(0, 0, 0, 0)}},
        {"ends inside the first pixel",
         Concat(Header(1, 1), {10, 20}),
         true,
         1,
         1,
         {FromFile(10, 20, 0, 0)}},
        {"shorter than the header", Truncated(Header(4, 4), 17), false, 0, 0, {}},
        {"empty file", {}, false, 0, 0, {}},
    };
}

TEST(ImageTGA, LoadCases) {
    int index = 0;
    for (const LoadCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        TrackedFile file("tga_case_" + std::to_string(index++) + ".tga", c.file);
        ImageTGA image;
        ASSERT_TRUE(image.Create(3, 3));

        std::FILE* stream = file.Open();
        ASSERT_NE(stream, nullptr);
        EXPECT_EQ(image.Load(stream), c.result);
        EXPECT_EQ(file.closes(), 1);
        EXPECT_EQ(image.m_width, c.width);
        EXPECT_EQ(image.m_height, c.height);
        if (!c.result) {
            EXPECT_EQ(image.m_pixels, nullptr);
            continue;
        }
        ASSERT_EQ(c.pixels.size(), static_cast<std::size_t>(c.width) * c.height);
        for (std::size_t i = 0; i < c.pixels.size(); ++i) {
            const FloatColor& got = image.m_pixels[i];
            const FloatColor& want = c.pixels[i];
            EXPECT_TRUE(got.r == want.r && got.g == want.g && got.b == want.b && got.a == want.a)
                << "pixel " << i << ": got (" << got.r << ", " << got.g << ", " << got.b << ", "
                << got.a << ")";
        }
    }
}

std::uint32_t Bits(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof(bits));
    return bits;
}

// The scaling the table expects is the product with the constant nearest 1/255, which for
// 127 and 254 differs in the last bit from the value nearest byte / 255.
TEST(ImageTGA, ChannelScaleIsProductWithNearestFloatToOneOver255) {
    EXPECT_EQ(Bits(kByteToUnit), 0x3B808081u);
    EXPECT_EQ(Bits(Unit(127)), 0x3EFEFF00u);
    EXPECT_EQ(Bits(127.0f / 255.0f), 0x3EFEFEFFu);
    EXPECT_EQ(Bits(Unit(254)), 0x3F7EFF00u);
    EXPECT_EQ(Bits(254.0f / 255.0f), 0x3F7EFEFFu);
    EXPECT_EQ(Unit(0), 0.0f);
    EXPECT_EQ(Unit(255), 1.0f);
}

TEST(ImageTGA, NullStreamFailsAndEmptiesImage) {
    ImageTGA image;
    ASSERT_TRUE(image.Create(2, 2));
    EXPECT_FALSE(image.Load(nullptr));
    EXPECT_EQ(image.m_pixels, nullptr);
    EXPECT_EQ(image.m_width, 0);
    EXPECT_EQ(image.m_height, 0);
}

}  // namespace
