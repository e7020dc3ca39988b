#include "tools/imagegen/TestShapes.h"

#include <cmath>

Outline TestSquare() {
    OutlineBuilder b;
    b.MoveTo({kTestSquareMin, kTestSquareMin});
    b.LineTo({kTestSquareMax, kTestSquareMin});
    b.LineTo({kTestSquareMax, kTestSquareMax});
    b.LineTo({kTestSquareMin, kTestSquareMax});
    return b.Finish();
}

Outline TestCircle() {
    constexpr int kArcs = 128;
    constexpr double kPi = 3.14159265358979323846;
    const double step = 2.0 * kPi / kArcs;
    // The tangents at the ends of an arc of angle `step` meet at radius r / cos(step / 2).
    const double controlRadius = kTestCircleRadius / std::cos(0.5 * step);
    auto at = [](double radius, double angle) {
        return Vec2{kTestCircleCentreX + radius * std::cos(angle),
                    kTestCircleCentreY + radius * std::sin(angle)};
    };
    OutlineBuilder b;
    b.MoveTo(at(kTestCircleRadius, 0.0));
    for (int k = 0; k < kArcs; ++k) {
        const double end = k + 1 == kArcs ? 0.0 : (k + 1) * step;
        b.QuadTo(at(controlRadius, (k + 0.5) * step), at(kTestCircleRadius, end));
    }
    return b.Finish();
}
