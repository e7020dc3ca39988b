// Signed distance from the centres of a grid of unit cells to an outline, and its 8-bit form.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/imagegen/Outline.h"

// For each cell (i, j) of a width × height grid, the distance from its centre
// (i + 0.5, j + 0.5) to the nearest point of the outline's curves, positive where the winding
// number there is nonzero (inside) and negative outside; row-major, row 0 first.
std::vector<double> SignedDistanceField(const Outline& outline, int width, int height);

// Signed distance from p to the outline, positive inside.
double SignedDistance(const Outline& outline, Vec2 p);

// round(255 × clamp(0.5 + distance / (2 × spread), 0, 1)): the encoding that
// assets/DistanceFieldEncoding.h defines.
uint8_t EncodeDistance(double distance, double spread);

// The distance an encoded value stands for (exact for values that were not clamped, up to the
// rounding to 8 bits).
double DecodeDistance(double encoded, double spread);
