// PNG files of 8-bit grey or RGBA pixels.
#pragma once

#include <cstdint>
#include <vector>

// The PNG file of width × height pixels of `channels` bytes each (1: grey, 4: RGBA with
// straight alpha), row 0 at the top. Same input, same bytes. Empty on failure.
std::vector<uint8_t> EncodePng(const uint8_t* pixels, int width, int height, int channels);
