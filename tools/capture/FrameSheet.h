// Captured frames as images: PNG files, and a contact sheet that stacks several of them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct CapturedFrame {
    std::uint32_t number = 0;
    unsigned width = 0;
    unsigned height = 0;
    std::vector<std::uint8_t> rgba;  // rows from the top
};

// Writes the frame as an RGBA PNG; false when the file cannot be written.
bool WriteFramePng(const CapturedFrame& frame, const std::string& path);

// The frames one above the other, separated by a gap of the given colour (0xRRGGBB).
CapturedFrame StackFrames(const std::vector<CapturedFrame>& frames, unsigned gap,
                          std::uint32_t gapColor);
