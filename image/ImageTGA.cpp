#include "image/ImageTGA.h"

#include "image/ByteToUnit.h"

namespace {

constexpr std::size_t kHeaderSize = 18;
constexpr std::size_t kWidthOffset = 12;
constexpr std::size_t kHeightOffset = 14;

int ReadLittleEndian16(const unsigned char* bytes) {
    return bytes[0] | (bytes[1] << 8);
}

}  // namespace

bool ImageTGA::Load(std::FILE* file) {
    if (file == nullptr) {
        Release();
        return false;
    }

    unsigned char header[kHeaderSize];
    if (std::fread(header, kHeaderSize, 1, file) != 1) {
        // Without a complete header the size of the image is unknown.
        Release();
        std::fclose(file);
        return false;
    }
    const int width = ReadLittleEndian16(header + kWidthOffset);
    const int height = ReadLittleEndian16(header + kHeightOffset);
    if (!Create(width, height)) {
        std::fclose(file);
        return false;
    }

    // One read per channel byte, in file order blue, green, red, alpha. A byte the file does
    // not deliver leaves its channel as it was, so a short file repeats the last value of each
    // channel (0 for one never read). Once a read has failed none is tried again.
    unsigned char c[4] = {0, 0, 0, 0};
    bool ended = false;
    for (int i = 0; i < height; ++i) {
        for (int x = 0; x < width; ++x) {
            for (unsigned char& channel : c) {
                unsigned char byte = 0;
                if (!ended && std::fread(&byte, 1, 1, file) == 1) {
                    channel = byte;
                } else {
                    ended = true;
                }
            }
            SetPixel(x, height - 1 - i,
                     FloatColor{c[2] * kByteToUnit, c[1] * kByteToUnit, c[0] * kByteToUnit,
                                c[3] * kByteToUnit});
        }
    }
    std::fclose(file);
    return true;
}
