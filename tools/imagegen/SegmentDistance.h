// Exact distance from a point to a line segment or a quadratic Bézier segment.
#pragma once

#include "tools/imagegen/Outline.h"

struct ClosestPoint {
    double distance = 0.0;
    double t = 0.0;  // parameter of the closest point on the segment
};

// The closest point of the segment to p. For a quadratic this solves the cubic
// (B(t) - p) · B'(t) = 0 in closed form, polishes its roots with Newton steps and compares
// them with both end points.
ClosestPoint ClosestPointOnSegment(const Segment& segment, Vec2 p);

// Real roots of a t³ + b t² + c t + d = 0, written to roots[]; returns how many (0 to 3). A
// vanishing leading coefficient falls back to the quadratic or linear case.
int SolveCubic(double a, double b, double c, double d, double roots[3]);
