// An outline as an SVG document with the curves themselves (not flattened).
#pragma once

#include <string>

#include "tools/imagegen/Outline.h"

// Path data: M, L, Q and Z commands, one contour per line, coordinates with at most six
// decimals.
std::string SvgPathData(const Outline& outline);

// A width × height document (viewBox 0 0 width height, y down, the outline's own units) with
// the outline filled white by the nonzero rule on a black background.
std::string SvgDocument(const Outline& outline, int width, int height);
