// The pixel of Image: four single-precision channels, each 0.0 to 1.0.
#pragma once

struct FloatColor {
    float r;
    float g;
    float b;
    float a;
};

static_assert(sizeof(FloatColor) == 16, "FloatColor is four packed floats");
