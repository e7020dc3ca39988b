#include "tools/imagegen/SegmentDistance.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

int SolveQuadratic(double a, double b, double c, double roots[2]) {
    if (a == 0.0) {
        if (b == 0.0) return 0;
        roots[0] = -c / b;
        return 1;
    }
    const double discriminant = b * b - 4.0 * a * c;
    if (discriminant < 0.0) return 0;
    // The form that avoids cancellation between -b and the root.
    const double q = -0.5 * (b + std::copysign(std::sqrt(discriminant), b));
    if (q == 0.0) {
        roots[0] = 0.0;
        return 1;
    }
    roots[0] = q / a;
    roots[1] = c / q;
    return 2;
}

ClosestPoint ClosestOnLine(Vec2 a, Vec2 b, Vec2 p) {
    const Vec2 d = b - a;
    const double lengthSquared = Dot(d, d);
    double t = lengthSquared > 0.0 ? Dot(p - a, d) / lengthSquared : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return {Length(Lerp(a, b, t) - p), t};
}

}  // namespace

int SolveCubic(double a, double b, double c, double d, double roots[3]) {
    const double scale = std::max({std::fabs(b), std::fabs(c), std::fabs(d)});
    if (a == 0.0 || std::fabs(a) <= 1e-14 * scale) return SolveQuadratic(b, c, d, roots);
    // Normalised form t³ + A t² + B t + C, shifted to the depressed cubic by t = s - A/3.
    const double A = b / a;
    const double B = c / a;
    const double C = d / a;
    const double Q = (A * A - 3.0 * B) / 9.0;
    const double R = (2.0 * A * A * A - 9.0 * A * B + 27.0 * C) / 54.0;
    const double shift = A / 3.0;
    const double Q3 = Q * Q * Q;
    if (R * R < Q3) {
        const double theta = std::acos(std::clamp(R / std::sqrt(Q3), -1.0, 1.0));
        const double m = -2.0 * std::sqrt(Q);
        roots[0] = m * std::cos(theta / 3.0) - shift;
        roots[1] = m * std::cos((theta + 2.0 * kPi) / 3.0) - shift;
        roots[2] = m * std::cos((theta - 2.0 * kPi) / 3.0) - shift;
        return 3;
    }
    const double E = -std::copysign(std::cbrt(std::fabs(R) + std::sqrt(R * R - Q3)), R);
    const double F = E != 0.0 ? Q / E : 0.0;
    roots[0] = (E + F) - shift;
    return 1;
}

ClosestPoint ClosestPointOnSegment(const Segment& segment, Vec2 p) {
    if (!segment.quadratic) return ClosestOnLine(segment.from, segment.to, p);

    // B(t) - p = m + 2 t u + t² v, with B'(t) / 2 = u + t v.
    const Vec2 m = segment.from - p;
    const Vec2 u = segment.control - segment.from;
    const Vec2 v = segment.from - segment.control * 2.0 + segment.to;
    const double a = Dot(v, v);
    const double b = 3.0 * Dot(u, v);
    const double c = 2.0 * Dot(u, u) + Dot(m, v);
    const double d = Dot(m, u);

    auto distanceAt = [&](double t) { return Length(segment.PointAt(t) - p); };
    ClosestPoint best{distanceAt(0.0), 0.0};
    const double atEnd = distanceAt(1.0);
    if (atEnd < best.distance) best = {atEnd, 1.0};

    double roots[3];
    const int count = SolveCubic(a, b, c, d, roots);
    for (int k = 0; k < count; ++k) {
        // Newton steps on the cubic sharpen roots that the closed form gives only roughly
        // (near double roots, or with a small leading coefficient); both the raw and the
        // polished root are tried, so a step that wanders off cannot lose the minimum.
        double t = roots[k];
        for (int step = 0; step <= 3; ++step) {
            if (t > 0.0 && t < 1.0) {
                const double dist = distanceAt(t);
                if (dist < best.distance) best = {dist, t};
            }
            if (step == 3) break;
            const double f = ((a * t + b) * t + c) * t + d;
            const double df = (3.0 * a * t + 2.0 * b) * t + c;
            if (df == 0.0) break;
            t -= f / df;
        }
    }
    return best;
}
