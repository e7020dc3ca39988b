#include "tools/imagegen/Flatten.h"

#include <algorithm>
#include <cmath>

int QuadraticSubdivisions(const Segment& quadratic, double tolerance) {
    // The second derivative of a quadratic is the constant 2 (from - 2 control + to), so a
    // chord over a parameter step h departs from the curve by at most |from - 2 control + to|
    // h² / 4.
    const double bend = Length(quadratic.from - quadratic.control * 2.0 + quadratic.to);
    const double steps = std::ceil(std::sqrt(bend / (4.0 * tolerance)));
    return static_cast<int>(std::clamp(steps, 1.0, 1.0e6));
}

std::vector<Edge> FlattenOutline(const Outline& outline, double tolerance) {
    std::vector<Edge> edges;
    for (const Contour& contour : outline.contours) {
        for (const Segment& s : contour) {
            if (!s.quadratic) {
                edges.push_back({s.from, s.to});
                continue;
            }
            const int n = QuadraticSubdivisions(s, tolerance);
            Vec2 previous = s.from;
            for (int k = 1; k <= n; ++k) {
                // The last point is the end point itself, so consecutive segments join exactly.
                const Vec2 p = k == n ? s.to : s.PointAt(static_cast<double>(k) / n);
                edges.push_back({previous, p});
                previous = p;
            }
        }
    }
    return edges;
}
