// Exact area coverage of a grid of unit cells by a polygon filled with the nonzero rule.
#pragma once

#include <vector>

#include "tools/imagegen/Flatten.h"

// For each cell (i, j) of a width × height grid, cell (i, j) being the square
// [i, i + 1] × [j, j + 1], the area of the part of it where the winding number of `edges` is
// nonzero; row-major, row 0 first. Exact up to rounding: the plane is cut into horizontal
// strips at every edge end, every crossing of two edges and every cell row, inside which the
// edges are straight and keep their left-to-right order, so the filled spans are trapezoids
// whose areas per cell are integrated in closed form. Edges may lie partly or wholly outside
// the grid.
std::vector<double> RasterizeCoverage(const std::vector<Edge>& edges, int width, int height);
