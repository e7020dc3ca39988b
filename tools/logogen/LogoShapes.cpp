#include "tools/logogen/LogoShapes.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Arc points: the quadratic pieces of a circular arc from angle a0 to a1 (radians), as
// alternating control and end points after the start point.
void AppendArc(std::vector<Vec2>& points, std::vector<bool>& isControl, Vec2 centre, double radius,
               double a0, double a1, int pieces) {
    const double step = (a1 - a0) / pieces;
    const double controlRadius = radius / std::cos(0.5 * step);
    for (int k = 0; k < pieces; ++k) {
        const double mid = a0 + (k + 0.5) * step;
        const double end = a0 + (k + 1) * step;
        points.push_back(
            {centre.x + controlRadius * std::cos(mid), centre.y + controlRadius * std::sin(mid)});
        isControl.push_back(true);
        points.push_back({centre.x + radius * std::cos(end), centre.y + radius * std::sin(end)});
        isControl.push_back(false);
    }
}

// Traces start, then the point list (control points followed by their end points, other
// points joined by lines), forwards or backwards.
void Trace(OutlineBuilder& builder, const std::vector<Vec2>& points,
           const std::vector<bool>& isControl, bool reversed) {
    std::vector<Vec2> p = points;
    std::vector<bool> c = isControl;
    if (reversed) {
        std::reverse(p.begin(), p.end());
        std::reverse(c.begin(), c.end());
    }
    // Start on an end point.
    size_t first = 0;
    while (first < p.size() && c[first]) ++first;
    builder.MoveTo(p[first]);
    for (size_t n = 1; n <= p.size(); ++n) {
        const size_t k = (first + n) % p.size();
        if (c[k]) {
            const size_t next = (k + 1) % p.size();
            builder.QuadTo(p[k], p[next]);
            ++n;
        } else {
            builder.LineTo(p[k]);
        }
    }
    builder.Close();
}

}  // namespace

void AddRoundedRectangle(OutlineBuilder& builder, Vec2 min, Vec2 max, double radius,
                         bool reversed) {
    radius = std::clamp(radius, 0.0, 0.5 * std::min(max.x - min.x, max.y - min.y));
    std::vector<Vec2> points;
    std::vector<bool> isControl;
    // Clockwise on screen (y down): top edge, right, bottom, left.
    const Vec2 centres[4] = {{max.x - radius, min.y + radius},
                             {max.x - radius, max.y - radius},
                             {min.x + radius, max.y - radius},
                             {min.x + radius, min.y + radius}};
    const double starts[4] = {-0.5 * kPi, 0.0, 0.5 * kPi, kPi};
    for (int corner = 0; corner < 4; ++corner) {
        const Vec2 c = centres[corner];
        const double a0 = starts[corner];
        points.push_back({c.x + radius * std::cos(a0), c.y + radius * std::sin(a0)});
        isControl.push_back(false);
        if (radius > 0.0) AppendArc(points, isControl, c, radius, a0, a0 + 0.5 * kPi, 2);
    }
    Trace(builder, points, isControl, reversed);
}

void AddCircle(OutlineBuilder& builder, Vec2 centre, double radius, bool reversed) {
    std::vector<Vec2> points;
    std::vector<bool> isControl;
    points.push_back({centre.x + radius, centre.y});
    isControl.push_back(false);
    AppendArc(points, isControl, centre, radius, 0.0, 2.0 * kPi, 16);
    points.pop_back();  // the last end point is the start again
    isControl.pop_back();
    Trace(builder, points, isControl, reversed);
}
