// Soft shadows: a Gaussian blur of a coverage mask.
#pragma once

#include <vector>

// Blurs `mask` (width × height, row-major) with a Gaussian of standard deviation `sigma`
// pixels, separably, treating everything outside as 0. The kernel reaches 3 sigma.
std::vector<double> GaussianBlur(const std::vector<double>& mask, int width, int height,
                                 double sigma);

// The mask moved by (dx, dy) whole pixels; what moves in from outside is 0.
std::vector<double> ShiftMask(const std::vector<double>& mask, int width, int height, int dx,
                              int dy);
