// A filled shape described by closed contours of straight and quadratic Bézier segments.
#pragma once

#include <vector>

#include "tools/imagegen/Vec2.h"

// One piece of a contour: a straight line from `from` to `to`, or the quadratic Bézier curve
// (1-t)² from + 2t(1-t) control + t² to. For a line, `control` is the midpoint and unused.
struct Segment {
    Vec2 from;
    Vec2 control;
    Vec2 to;
    bool quadratic = false;

    static Segment Line(Vec2 a, Vec2 b) { return {a, Lerp(a, b, 0.5), b, false}; }
    static Segment Quadratic(Vec2 a, Vec2 c, Vec2 b) { return {a, c, b, true}; }

    Vec2 PointAt(double t) const;
    // Derivative with respect to t.
    Vec2 TangentAt(double t) const;
};

// A closed loop: each segment starts where the one before it ends, and the last ends where the
// first starts.
using Contour = std::vector<Segment>;

// The shape is the set of points whose winding number over all contours is nonzero.
struct Outline {
    std::vector<Contour> contours;

    bool Empty() const;
};

struct Bounds {
    Vec2 min;
    Vec2 max;
    bool valid = false;

    double Width() const { return max.x - min.x; }
    double Height() const { return max.y - min.y; }
};

// Builds contours from pen moves; every contour is closed with a straight line if its last
// point differs from its first. Degenerate segments (zero length) are dropped.
class OutlineBuilder {
public:
    void MoveTo(Vec2 p);
    void LineTo(Vec2 p);
    void QuadTo(Vec2 control, Vec2 p);
    void Close();
    // Closes any open contour and hands over the outline built so far.
    Outline Finish();

private:
    Outline m_outline;
    Contour m_current;
    Vec2 m_start;
    Vec2 m_pen;
    bool m_open = false;
};

// The exact extent of the curves (not of their control points).
Bounds OutlineBounds(const Outline& outline);

// Each point p becomes (scale.x * p.x + offset.x, scale.y * p.y + offset.y). A negative scale
// mirrors the shape; the fill is unchanged since the nonzero rule ignores orientation.
Outline TransformOutline(const Outline& outline, Vec2 scale, Vec2 offset);
