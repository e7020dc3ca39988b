// Outlines of the logo's geometric parts.
#pragma once

#include "tools/imagegen/Outline.h"

// A rectangle from `min` to `max` with quarter-circle corners of `radius` (each corner one
// quadratic pair close to a circular arc). With `reversed` the contour runs the other way,
// which cuts a hole when added to a shape drawn the normal way.
void AddRoundedRectangle(OutlineBuilder& builder, Vec2 min, Vec2 max, double radius,
                         bool reversed = false);

// A circle of 16 quadratic arcs.
void AddCircle(OutlineBuilder& builder, Vec2 centre, double radius, bool reversed = false);
