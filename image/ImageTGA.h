// An Image that fills itself from an uncompressed 32-bit Truevision TGA file.
#pragma once

#include <cstdio>

#include "image/Image.h"

class ImageTGA : public Image {
public:
    // Reads the 18-byte header and then width x height pixels of four bytes (blue, green, red,
    // alpha), the first row of the file being the bottom of the picture. The header's other
    // fields are not looked at. Takes over file, which must be open for binary reading at its
    // start, and closes it in every case.
    //
    // False, leaving the image empty, when file is null, the file is shorter than the header
    // or the pixel array cannot be created. A file that ends inside the pixel data still loads:
    // each channel keeps the value it last read, or 0 if the file never delivered it.
    bool Load(std::FILE* file);
};
