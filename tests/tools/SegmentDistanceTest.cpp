#include "tools/imagegen/SegmentDistance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// Closest distance by dense sampling and a golden-section refinement around the best sample.
double BruteForceDistance(const Segment& s, Vec2 p) {
    constexpr int kSamples = 20000;
    int best = 0;
    double bestDistance = 1e300;
    for (int k = 0; k <= kSamples; ++k) {
        const double d = Length(s.PointAt(static_cast<double>(k) / kSamples) - p);
        if (d < bestDistance) {
            bestDistance = d;
            best = k;
        }
    }
    double lo = std::max(0.0, (best - 1.0) / kSamples);
    double hi = std::min(1.0, (best + 1.0) / kSamples);
    const double ratio = 0.5 * (std::sqrt(5.0) - 1.0);
    for (int k = 0; k < 100; ++k) {
        const double a = hi - ratio * (hi - lo);
        const double b = lo + ratio * (hi - lo);
        if (Length(s.PointAt(a) - p) < Length(s.PointAt(b) - p)) {
            hi = b;
        } else {
            lo = a;
        }
    }
    return std::min(bestDistance, Length(s.PointAt(0.5 * (lo + hi)) - p));
}

struct DistanceCase {
    const char* what;
    Segment segment;
    Vec2 point;
};

const Segment kArch = Segment::Quadratic({0, 0}, {5, 10}, {10, 0});

const DistanceCase kCases[] = {
    {"below the apex, three closest-point candidates", kArch, {5, 2.5}},
    {"above the apex", kArch, {5, 20}},
    {"beyond the start", kArch, {-3, -1}},
    {"beyond the end", kArch, {12, 1}},
    {"on the curve", kArch, {2.5, 3.75}},
    {"inside the bend", kArch, {7, 3}},
    {"almost straight curve", Segment::Quadratic({0, 0}, {5, 1e-9}, {10, 0}), {4, 3}},
    {"collinear control off the middle", Segment::Quadratic({0, 0}, {8, 0}, {10, 0}), {9, 3}},
    {"sharp cusp-like curve", Segment::Quadratic({0, 0}, {10, 0.5}, {0, 1}), {6, 0.5}},
    {"line, interior", Segment::Line({0, 0}, {4, 0}), {1, 2}},
    {"line, past an end", Segment::Line({0, 0}, {4, 0}), {7, 4}},
};

TEST(SegmentDistance, MatchesDenseSamplingOnLinesAndQuadratics) {
    for (const DistanceCase& c : kCases) {
        const ClosestPoint found = ClosestPointOnSegment(c.segment, c.point);
        EXPECT_NEAR(found.distance, BruteForceDistance(c.segment, c.point), 1e-9) << c.what;
        // The reported parameter gives the reported distance.
        EXPECT_NEAR(Length(c.segment.PointAt(found.t) - c.point), found.distance, 1e-12) << c.what;
    }
}

TEST(SegmentDistance, CubicRootsIncludingDegenerateLeadingCoefficient) {
    struct Case {
        double a, b, c, d;
        std::vector<double> roots;
    };
    const Case cases[] = {
        {1, -6, 11, -6, {1, 2, 3}},
        {1, 0, 0, -1, {1}},
        {0, 1, 0, -1, {-1, 1}},
        {1, -0.6, 0.11, -0.006, {0.1, 0.2, 0.3}},
    };
    for (const Case& c : cases) {
        double roots[3];
        const int n = SolveCubic(c.a, c.b, c.c, c.d, roots);
        std::vector<double> found(roots, roots + n);
        std::sort(found.begin(), found.end());
        ASSERT_EQ(found.size(), c.roots.size());
        for (size_t k = 0; k < found.size(); ++k) EXPECT_NEAR(found[k], c.roots[k], 1e-6);
    }
}

}  // namespace
