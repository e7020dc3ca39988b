// How faithfully an 8-bit distance encoding with a given spread keeps the outline, measured
// where it matters: on the exact outline, where the true distance is zero.
#pragma once

#include <vector>

#include "tools/imagegen/Outline.h"

struct SpreadError {
    double spread = 0.0;  // 0: the exact distances, neither clamped nor rounded
    int samples = 0;
    double maxError = 0.0;      // largest |interpolated distance|, texels
    double rmsError = 0.0;      // root mean square of the interpolated distance, texels
    double clampedShare = 0.0;  // share of samples with a clamped texel among the four blended
    // What the encoding adds: the interpolated decoded distance minus the interpolated exact
    // distance, texels.
    double maxAdded = 0.0;
    double rmsAdded = 0.0;
};

// Points every `step` texels (or closer) along every segment of the outline.
std::vector<Vec2> OutlineSamples(const Outline& outline, double step);

// Encodes `distance` (the signed distances at the texel centres) with `spread`, decodes it
// again and interpolates it bilinearly at every sample point; spread 0 interpolates the exact
// distances instead.
SpreadError MeasureSpread(const std::vector<Vec2>& samples, const std::vector<double>& distance,
                          int width, int height, double spread);
