// An in-memory picture of FloatColor pixels, held in one 16-byte aligned array, row by row
// without gaps: the pixel at column x, row y is entry y * m_width + x, row 0 being the top.
#pragma once

#include "image/FloatColor.h"

class Image {
public:
    Image() = default;
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;
    // Gives the pixel array back, as Release does.
    virtual ~Image();

    // Gives the pixel array back; the image becomes empty (no array, width and height 0).
    virtual void Release();

    // Replaces the pixels with a width x height array of opaque black (0, 0, 0, 1). Any array
    // held before is given back first. False, leaving the image empty, when a size is
    // negative, the array would be 4 GiB or more, or it cannot be allocated. A width or height
    // of 0 succeeds with an empty array.
    bool Create(int width, int height);

    // Stores color at column x, row y; does nothing when either lies outside the image.
    void SetPixel(int x, int y, const FloatColor& color);

    FloatColor* m_pixels = nullptr;
    int m_width = 0;
    int m_height = 0;
};
