// Winding number of an outline's exact curves around a point.
#pragma once

#include "tools/imagegen/Outline.h"

// How many times the contours wind around p (counted along a ray towards +x, each crossing
// signed by the direction in y). Computed on the curves themselves, not on a flattened copy;
// for a point on the outline the result is one of the values on either side.
int WindingNumber(const Outline& outline, Vec2 p);
