// Textures from image files: the file's size, a full mip chain by box filtering, the bytes in
// Direct3D's order, and failures as results.
#include <gtest/gtest.h>
#include <stb_image_write.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/d3dx9/d3dx9.h"
#include "platform/d3dx9/d3dx9_image.h"
#include "tests/support/DeviceFixture.h"

namespace {

using d3dx9::RgbaImage;

std::vector<unsigned char> EncodePng(const RgbaImage& image) {
    std::vector<unsigned char> bytes;
    stbi_write_png_to_func(
        [](void* context, void* data, int size) {
            auto* out = static_cast<std::vector<unsigned char>*>(context);
            out->insert(out->end(), static_cast<unsigned char*>(data),
                        static_cast<unsigned char*>(data) + size);
        },
        &bytes, static_cast<int>(image.width), static_cast<int>(image.height), 4,
        image.pixels.data(), static_cast<int>(image.width) * 4);
    return bytes;
}

RgbaImage Gradient(unsigned width, unsigned height) {
    RgbaImage image{width, height, {}};
    for (unsigned y = 0; y < height; ++y)
        for (unsigned x = 0; x < width; ++x)
            image.pixels.insert(
                image.pixels.end(),
                {static_cast<std::uint8_t>(x * 8), static_cast<std::uint8_t>(y * 16),
                 static_cast<std::uint8_t>(x + y), static_cast<std::uint8_t>(255 - x)});
    return image;
}

// The texel of a locked A8R8G8B8 level as 0xAARRGGBB.
std::uint32_t Texel(const D3DLOCKED_RECT& locked, unsigned x, unsigned y) {
    const BYTE* p = static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch + x * 4;
    return (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) |
           p[0];
}

TEST(ImageTest, BoxDownsampleAveragesBlocksAndStopsAtOne) {
    RgbaImage image{2, 1, {10, 20, 30, 40, 11, 21, 31, 41}};
    const RgbaImage half = d3dx9::BoxDownsample(image);
    EXPECT_EQ(half.width, 1u);
    EXPECT_EQ(half.height, 1u);
    EXPECT_EQ(half.pixels, (std::vector<std::uint8_t>{11, 21, 31, 41}));  // rounded to nearest
    RgbaImage square{2, 2, {0, 0, 0, 0, 4, 4, 4, 4, 8, 8, 8, 8, 255, 255, 255, 255}};
    EXPECT_EQ(d3dx9::BoxDownsample(square).pixels, (std::vector<std::uint8_t>{67, 67, 67, 67}));
    EXPECT_EQ(d3dx9::BoxDownsample(half).pixels, half.pixels);
}

TEST(ImageTest, DecodingRefusesWhatIsNotAnImage) {
    RgbaImage image;
    const unsigned char garbage[] = "not an image at all";
    EXPECT_FALSE(d3dx9::DecodeImage(garbage, sizeof garbage, &image));
    EXPECT_FALSE(d3dx9::DecodeImage(nullptr, 10, &image));
    std::vector<unsigned char> png = EncodePng(Gradient(8, 4));
    png.resize(png.size() / 2);
    EXPECT_FALSE(d3dx9::DecodeImage(png.data(), png.size(), &image));
}

TEST(ImageTest, ColourKeyClearsOnlyTheKeyedColour) {
    RgbaImage image{2, 1, {255, 0, 255, 255, 255, 0, 254, 255}};
    d3dx9::ApplyColorKey(&image, 0xFFFF00FF);
    EXPECT_EQ(image.pixels, (std::vector<std::uint8_t>{0, 0, 0, 0, 255, 0, 254, 255}));
}

class TextureFromFileTest : public d3d9test::DeviceTest {};

TEST_F(TextureFromFileTest, PngFromMemoryKeepsItsSizeAndGetsAFullChain) {
    const RgbaImage image = Gradient(12, 4);
    const std::vector<unsigned char> png = EncodePng(image);
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(D3DXCreateTextureFromFileInMemory(m_device, png.data(), static_cast<UINT>(png.size()),
                                                &texture),
              D3D_OK);
    D3DSURFACE_DESC desc{};
    texture->GetLevelDesc(0, &desc);
    EXPECT_EQ(desc.Width, 12u);  // not rounded up to a power of two
    EXPECT_EQ(desc.Height, 4u);
    EXPECT_EQ(desc.Format, D3DFMT_A8R8G8B8);
    EXPECT_EQ(texture->GetLevelCount(), 4u);  // 12×4, 6×2, 3×1, 1×1
    D3DLOCKED_RECT locked{};
    ASSERT_EQ(texture->LockRect(0, &locked, nullptr, D3DLOCK_READONLY), D3D_OK);
    EXPECT_EQ(Texel(locked, 0, 0), 0xFF000000u);
    EXPECT_EQ(Texel(locked, 5, 3), (std::uint32_t{250} << 24) | (40u << 16) | (48u << 8) | 8u);
    texture->UnlockRect(0);
    const RgbaImage level1 = d3dx9::BoxDownsample(image);
    ASSERT_EQ(texture->LockRect(1, &locked, nullptr, D3DLOCK_READONLY), D3D_OK);
    const std::uint8_t* p = &level1.pixels[(1 * 6 + 2) * 4];
    EXPECT_EQ(Texel(locked, 2, 1), (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[0]} << 16) |
                                       (std::uint32_t{p[1]} << 8) | p[2]);
    texture->UnlockRect(1);
    texture->Release();
}

TEST_F(TextureFromFileTest, TgaFileWithBottomUpRowsHasItsTopRowFirst) {
    // 2 × 2, 32-bit, bottom-left origin: the file's first row is the bottom of the picture.
    const unsigned char tga[18 + 16] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 32, 8,
                                        // bottom row: blue, green (B, G, R, A)
                                        255, 0, 0, 255, 0, 255, 0, 255,
                                        // top row: red, white
                                        0, 0, 255, 255, 255, 255, 255, 255};
    char path[] = "/tmp/dfdemo-texture-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(write(fd, tga, sizeof tga), static_cast<ssize_t>(sizeof tga));
    close(fd);
    IDirect3DTexture9* texture = nullptr;
    D3DXIMAGE_INFO info{};
    ASSERT_EQ(D3DXCreateTextureFromFileExA(m_device, path, D3DX_DEFAULT, D3DX_DEFAULT, 0, 0,
                                           D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, D3DX_FILTER_TRIANGLE,
                                           D3DX_FILTER_TRIANGLE, 0, &info, nullptr, &texture),
              D3D_OK);
    unlink(path);
    EXPECT_EQ(info.Width, 2u);
    EXPECT_EQ(texture->GetLevelCount(), 2u);
    D3DLOCKED_RECT locked{};
    ASSERT_EQ(texture->LockRect(0, &locked, nullptr, D3DLOCK_READONLY), D3D_OK);
    EXPECT_EQ(Texel(locked, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(Texel(locked, 1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(Texel(locked, 0, 1), 0xFF0000FFu);
    EXPECT_EQ(Texel(locked, 1, 1), 0xFF00FF00u);
    texture->UnlockRect(0);
    texture->Release();
}

TEST_F(TextureFromFileTest, MissingOrUndecodableFilesAreFailures) {
    IDirect3DTexture9* texture = reinterpret_cast<IDirect3DTexture9*>(1);
    EXPECT_TRUE(FAILED(
        D3DXCreateTextureFromFileExA(m_device, "/nonexistent/image.tga", D3DX_DEFAULT, D3DX_DEFAULT,
                                     0, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, D3DX_FILTER_TRIANGLE,
                                     D3DX_FILTER_TRIANGLE, 0, nullptr, nullptr, &texture)));
    EXPECT_EQ(texture, nullptr);
    const unsigned char garbage[64] = {1, 2, 3};
    EXPECT_TRUE(
        FAILED(D3DXCreateTextureFromFileInMemory(m_device, garbage, sizeof garbage, &texture)));
    EXPECT_EQ(texture, nullptr);
    EXPECT_TRUE(FAILED(D3DXCreateTextureFromFileInMemory(m_device, garbage, 0, &texture)));
}

}  // namespace
