#include "tools/capture/FrameSheet.h"

#include <stb_image_write.h>

#include <algorithm>

#include "tools/common/FileOutput.h"

bool WriteFramePng(const CapturedFrame& frame, const std::string& path) {
    if (frame.width == 0 || frame.height == 0) return false;
    std::vector<std::uint8_t> png;
    const int encoded = stbi_write_png_to_func(
        [](void* context, void* data, int size) {
            auto* out = static_cast<std::vector<std::uint8_t>*>(context);
            out->insert(out->end(), static_cast<std::uint8_t*>(data),
                        static_cast<std::uint8_t*>(data) + size);
        },
        &png, static_cast<int>(frame.width), static_cast<int>(frame.height), 4, frame.rgba.data(),
        static_cast<int>(frame.width * 4));
    std::string error;
    return encoded && WriteFileAtomically(path, png, &error);
}

CapturedFrame StackFrames(const std::vector<CapturedFrame>& frames, unsigned gap,
                          std::uint32_t gapColor) {
    CapturedFrame sheet;
    for (const CapturedFrame& f : frames) {
        sheet.width = std::max(sheet.width, f.width);
        sheet.height += f.height;
    }
    if (!frames.empty()) sheet.height += gap * static_cast<unsigned>(frames.size() - 1);
    sheet.rgba.resize(static_cast<size_t>(sheet.width) * sheet.height * 4);
    for (size_t i = 0; i < sheet.rgba.size(); i += 4) {
        sheet.rgba[i + 0] = static_cast<std::uint8_t>(gapColor >> 16);
        sheet.rgba[i + 1] = static_cast<std::uint8_t>(gapColor >> 8);
        sheet.rgba[i + 2] = static_cast<std::uint8_t>(gapColor);
        sheet.rgba[i + 3] = 255;
    }
    unsigned top = 0;
    for (const CapturedFrame& f : frames) {
        for (unsigned y = 0; y < f.height; ++y)
            std::copy_n(&f.rgba[static_cast<size_t>(y) * f.width * 4], f.width * 4,
                        &sheet.rgba[(static_cast<size_t>(top + y) * sheet.width) * 4]);
        top += f.height + gap;
    }
    return sheet;
}
