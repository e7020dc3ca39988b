#include "tools/imagegen/CoverageRaster.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "tools/imagegen/TestShapes.h"

namespace {

Outline Rectangle(Vec2 min, Vec2 max, bool reversed = false) {
    OutlineBuilder b;
    b.MoveTo(min);
    if (reversed) {
        b.LineTo({min.x, max.y});
        b.LineTo(max);
        b.LineTo({max.x, min.y});
    } else {
        b.LineTo({max.x, min.y});
        b.LineTo(max);
        b.LineTo({min.x, max.y});
    }
    return b.Finish();
}

Outline Join(Outline a, const Outline& b) {
    a.contours.insert(a.contours.end(), b.contours.begin(), b.contours.end());
    return a;
}

double Sum(const std::vector<double>& v) {
    return std::accumulate(v.begin(), v.end(), 0.0);
}

TEST(CoverageRaster, SquareCoversInsideFullyAndItsBorderTexelsByHalvesAndQuarters) {
    const std::vector<double> c = RasterizeCoverage(FlattenOutline(TestSquare(), 1e-4), 64, 64);
    struct Case {
        int x, y;
        double coverage;
    };
    const Case cases[] = {
        {20, 20, 1.0}, {5, 5, 0.0},   {48, 30, 0.0},  {16, 30, 0.5},
        {47, 30, 0.5}, {30, 16, 0.5}, {16, 16, 0.25}, {47, 47, 0.25},
    };
    for (const Case& k : cases) {
        EXPECT_NEAR(c[k.y * 64 + k.x], k.coverage, 1e-12) << k.x << "," << k.y;
    }
    EXPECT_NEAR(Sum(c), 31.0 * 31.0, 1e-9);
}

// Contours that overlap inside one cell. Wound the same way, the overlap has winding 2 and
// is filled once: the union, not the sum of the areas (1.0). Wound opposite ways, the overlap
// has winding 0 and stays empty.
TEST(CoverageRaster, OverlappingContoursAreFilledByTheNonzeroRule) {
    struct Case {
        bool reversed;
        double coverage;
    };
    for (const Case& k : {Case{false, 0.75}, Case{true, 0.5}}) {
        const Outline shape = Join(Rectangle({0.0, 0.0}, {0.5, 1.0}),
                                   Rectangle({0.25, 0.0}, {0.75, 1.0}, k.reversed));
        const std::vector<double> c = RasterizeCoverage(FlattenOutline(shape, 1e-4), 2, 1);
        EXPECT_NEAR(c[0], k.coverage, 1e-12) << (k.reversed ? "opposite" : "same") << " direction";
        EXPECT_NEAR(c[1], 0.0, 1e-12);
    }
    // Slanted edges that cross inside a cell: a bow tie, its two lobes wound opposite ways,
    // crossing at (1.5, 1.5).
    OutlineBuilder b;
    b.MoveTo({0, 0});
    b.LineTo({3, 3});
    b.LineTo({3, 0});
    b.LineTo({0, 3});
    const std::vector<double> c = RasterizeCoverage(FlattenOutline(b.Finish(), 1e-4), 3, 3);
    EXPECT_NEAR(Sum(c), 4.5, 1e-12);  // two triangles of area 2.25
    EXPECT_NEAR(c[1 * 3 + 1], 0.5, 1e-12);
    EXPECT_NEAR(c[0 * 3 + 1], 0.0, 1e-12);
    EXPECT_NEAR(c[1 * 3 + 0], 1.0, 1e-12);
    EXPECT_NEAR(c[0], 0.5, 1e-12);
}

TEST(CoverageRaster, HoleCutByAReversedContourStaysEmpty) {
    const Outline ring =
        Join(Rectangle({1.0, 1.0}, {7.0, 7.0}), Rectangle({2.5, 2.5}, {5.5, 5.5}, true));
    const std::vector<double> c = RasterizeCoverage(FlattenOutline(ring, 1e-4), 8, 8);
    EXPECT_NEAR(c[3 * 8 + 3], 0.0, 1e-12);
    EXPECT_NEAR(c[2 * 8 + 3], 0.5, 1e-12);
    EXPECT_NEAR(Sum(c), 36.0 - 9.0, 1e-9);
}

TEST(CoverageRaster, SlantedTriangleAreaIsExactAndShapesBeyondTheGridAreCut) {
    OutlineBuilder b;
    b.MoveTo({0.3, 0.2});
    b.LineTo({7.9, 1.1});
    b.LineTo({3.3, 5.7});
    const std::vector<double> c = RasterizeCoverage(FlattenOutline(b.Finish(), 1e-4), 8, 6);
    const double area = 0.5 * std::fabs((7.9 - 0.3) * (5.7 - 0.2) - (3.3 - 0.3) * (1.1 - 0.2));
    EXPECT_NEAR(Sum(c), area, 1e-9);
    for (double v : c) {
        EXPECT_GE(v, 0.0);
        EXPECT_LE(v, 1.0);
    }
    const std::vector<double> cut =
        RasterizeCoverage(FlattenOutline(Rectangle({-2.0, -1.0}, {3.0, 2.0}), 1e-4), 4, 4);
    EXPECT_NEAR(Sum(cut), 6.0, 1e-12);
    EXPECT_NEAR(cut[0], 1.0, 1e-12);
    EXPECT_NEAR(cut[3], 0.0, 1e-12);
}

// Flattening cuts a sliver of about 2/3 × tolerance × length off the curves: with the
// generator's tolerance of 1e-4 texel that is ~1e-4 of coverage per texel along the outline,
// far below one 8-bit step. Flattened still finer, the area approaches the circle's.
TEST(CoverageRaster, CircleAreaApproachesTheCurvesAsTheToleranceShrinks) {
    const double pi = 3.14159265358979323846;
    const double circle = pi * kTestCircleRadius * kTestCircleRadius;
    const double perimeter = 2.0 * pi * kTestCircleRadius;
    for (double tolerance : {1e-4, 1e-7}) {
        const std::vector<double> c =
            RasterizeCoverage(FlattenOutline(TestCircle(), tolerance), 64, 64);
        // The quadratic arcs themselves bulge out from the circle by less than 1e-6 texel.
        EXPECT_LE(Sum(c), circle + 1e-6 * perimeter);
        EXPECT_GE(Sum(c), circle - tolerance * perimeter) << tolerance;
    }
}

}  // namespace
