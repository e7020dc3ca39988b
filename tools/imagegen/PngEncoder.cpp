#include "tools/imagegen/PngEncoder.h"

#include <stb_image_write.h>

namespace {

void Append(void* context, void* data, int size) {
    auto* file = static_cast<std::vector<uint8_t>*>(context);
    const auto* bytes = static_cast<const uint8_t*>(data);
    file->insert(file->end(), bytes, bytes + size);
}

}  // namespace

std::vector<uint8_t> EncodePng(const uint8_t* pixels, int width, int height, int channels) {
    std::vector<uint8_t> file;
    if (pixels == nullptr || width < 1 || height < 1) return file;
    if (channels != 1 && channels != 4) return file;
    if (stbi_write_png_to_func(Append, &file, width, height, channels, pixels, width * channels) ==
        0) {
        file.clear();
    }
    return file;
}
