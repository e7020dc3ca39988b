#include "tools/imagegen/Winding.h"

#include <algorithm>
#include <cmath>

namespace {

// Crossing of the ray from p towards +x with a piece of curve along which y changes
// monotonically from y(t0) to y(t1). The half-open test (one end counts, the other does not)
// makes pieces that meet at a point count that point once.
int MonotoneCrossing(const Segment& s, double t0, double t1, Vec2 p) {
    const Vec2 a = s.PointAt(t0);
    const Vec2 b = s.PointAt(t1);
    if ((a.y <= p.y) == (b.y <= p.y)) return 0;
    // The parameter where y equals p.y, by bisection: y is monotone on [t0, t1].
    double lo = t0;
    double hi = t1;
    const bool rising = b.y > a.y;
    for (int k = 0; k < 80; ++k) {
        const double mid = 0.5 * (lo + hi);
        const double y = s.PointAt(mid).y;
        if ((y <= p.y) == rising) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    const double x = s.PointAt(0.5 * (lo + hi)).x;
    if (x <= p.x) return 0;
    return rising ? 1 : -1;
}

int LineCrossing(Vec2 a, Vec2 b, Vec2 p) {
    if ((a.y <= p.y) == (b.y <= p.y)) return 0;
    const double x = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
    if (x <= p.x) return 0;
    return b.y > a.y ? 1 : -1;
}

}  // namespace

int WindingNumber(const Outline& outline, Vec2 p) {
    int winding = 0;
    for (const Contour& contour : outline.contours) {
        for (const Segment& s : contour) {
            if (!s.quadratic) {
                winding += LineCrossing(s.from, s.to, p);
                continue;
            }
            // The curve lies within the hull of its control points: a ray that misses the hull
            // crosses nothing to the right of p.
            const double yMin = std::min({s.from.y, s.control.y, s.to.y});
            const double yMax = std::max({s.from.y, s.control.y, s.to.y});
            const double xMax = std::max({s.from.x, s.control.x, s.to.x});
            if (p.y < yMin || p.y > yMax || p.x >= xMax) continue;
            // Split at the extremum of y so that each piece is monotone in y.
            const double denominator = s.from.y - 2.0 * s.control.y + s.to.y;
            double split = -1.0;
            if (denominator != 0.0) split = (s.from.y - s.control.y) / denominator;
            if (split > 0.0 && split < 1.0) {
                winding += MonotoneCrossing(s, 0.0, split, p);
                winding += MonotoneCrossing(s, split, 1.0, p);
            } else {
                winding += MonotoneCrossing(s, 0.0, 1.0, p);
            }
        }
    }
    return winding;
}
