#include "tools/imagegen/DistanceField.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tools/imagegen/TestShapes.h"
#include "tools/imagegen/Winding.h"

namespace {

TEST(DistanceField, SquareDistancesAtTexelCentres) {
    const std::vector<double> d = SignedDistanceField(TestSquare(), 64, 64);
    struct Case {
        int x, y;
        double distance;  // from the centre (x + 0.5, y + 0.5); the square is [16.5, 47.5]²
    };
    const Case cases[] = {
        {31, 31, 15.0},
        {20, 31, 4.0},
        {31, 45, 2.0},
        {10, 31, -6.0},
        {16, 31, 0.0},
        {60, 31, -13.0},
        {10, 10, -std::sqrt(72.0)},
        {50, 5, -std::sqrt(130.0)},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(d[c.y * 64 + c.x], c.distance, 1e-12) << c.x << "," << c.y;
}

TEST(DistanceField, CircleDistancesAtTexelCentres) {
    const Outline circle = TestCircle();
    const int points[][2] = {{32, 32}, {40, 30}, {51, 31}, {52, 32}, {45, 47}, {2, 60}, {31, 11}};
    for (const auto& p : points) {
        const double x = p[0] + 0.5;
        const double y = p[1] + 0.5;
        const double exact =
            kTestCircleRadius - std::hypot(x - kTestCircleCentreX, y - kTestCircleCentreY);
        // The arcs depart from the true circle by less than 1e-6 texel.
        EXPECT_NEAR(SignedDistance(circle, {x, y}), exact, 2e-6) << x << "," << y;
    }
}

TEST(DistanceField, SignFollowsTheNonzeroWindingOfTheCurves) {
    // A ring: outer square one way, inner square the other; plus a second square wound the
    // same way as the outer one, overlapping it (winding 2 in the overlap).
    OutlineBuilder b;
    b.MoveTo({0, 0});
    b.LineTo({10, 0});
    b.LineTo({10, 10});
    b.LineTo({0, 10});
    b.MoveTo({3, 3});
    b.LineTo({3, 7});
    b.LineTo({7, 7});
    b.LineTo({7, 3});
    b.MoveTo({8, 8});
    b.LineTo({14, 8});
    b.LineTo({14, 14});
    b.LineTo({8, 14});
    const Outline shape = b.Finish();
    EXPECT_EQ(WindingNumber(shape, {5, 5}), 0);  // in the hole
    EXPECT_NE(WindingNumber(shape, {1, 5}), 0);  // in the ring
    EXPECT_EQ(std::abs(WindingNumber(shape, {9, 9})), 2);
    EXPECT_EQ(WindingNumber(shape, {-1, 5}), 0);
    EXPECT_LT(SignedDistance(shape, {5, 5}), 0.0);
    EXPECT_GT(SignedDistance(shape, {9, 9}), 0.0);
    // A quadratic contour: the circle's inside, outside, and a ray grazing its top.
    const Outline circle = TestCircle();
    EXPECT_NE(WindingNumber(circle, {32, 32}), 0);
    EXPECT_EQ(WindingNumber(circle, {32, 53}), 0);
    EXPECT_NE(WindingNumber(circle, {32, 12.01}), 0);
    EXPECT_EQ(WindingNumber(circle, {60, 32}), 0);
}

TEST(DistanceField, EncodingMapsTheSpreadOntoTheByteRange) {
    const double s = 1.42;
    struct Case {
        double distance;
        int byte;
    };
    const Case cases[] = {
        {0.0, 128},  {s, 255},       {-s, 0},        {2 * s, 255},
        {-2 * s, 0}, {0.5 * s, 191}, {-0.5 * s, 64}, {-std::numeric_limits<double>::infinity(), 0},
    };
    for (const Case& c : cases) EXPECT_EQ(EncodeDistance(c.distance, s), c.byte) << c.distance;
    for (int byte = 1; byte < 255; ++byte) {
        EXPECT_EQ(EncodeDistance(DecodeDistance(byte, s), s), byte);
    }
}

}  // namespace
