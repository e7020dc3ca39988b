// Approximation of an outline by straight directed edges.
#pragma once

#include <vector>

#include "tools/imagegen/Outline.h"

struct Edge {
    Vec2 a;
    Vec2 b;
};

// Replaces every quadratic by a polyline whose points lie on the curve and which departs from
// the curve by at most `tolerance` (in the outline's units); lines are kept as they are. The
// edges keep the contours' direction, so winding numbers are preserved.
std::vector<Edge> FlattenOutline(const Outline& outline, double tolerance);

// How many equal parameter steps keep a quadratic within `tolerance` of its chords.
int QuadraticSubdivisions(const Segment& quadratic, double tolerance);
