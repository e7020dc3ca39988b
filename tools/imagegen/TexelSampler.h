// Bilinear sampling of a grid of texel values, as a texture unit does it.
#pragma once

#include <vector>

#include "tools/imagegen/Vec2.h"

struct BilinearSample {
    double value = 0.0;
    Vec2 gradient;      // derivative of the interpolated value with respect to position
    double corners[4];  // the four texel values blended, top-left, top-right, bottom-left,
                        // bottom-right
};

// Interpolates `values` (width × height, row-major from the top, texel centres at
// (i + 0.5, j + 0.5)) at p in texel coordinates, clamping to the edge texels.
BilinearSample SampleBilinear(const std::vector<double>& values, int width, int height, Vec2 p);
