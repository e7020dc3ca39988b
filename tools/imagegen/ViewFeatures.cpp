#include "tools/imagegen/ViewFeatures.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

double TurnDegrees(Vec2 a, Vec2 b) {
    return std::fabs(std::atan2(Cross(a, b), Dot(a, b))) * kDegreesPerRadian;
}

}  // namespace

ViewWindow PanelWindow(int width, int height, double scale, Vec2 fixedTexel, Vec2 fixedScreen) {
    return {
        fixedTexel - fixedScreen * (1.0 / scale),
        fixedTexel + (Vec2{static_cast<double>(width), static_cast<double>(height)} - fixedScreen) *
                         (1.0 / scale)};
}

ViewFeatures FeaturesInWindow(const Outline& outline, const ViewWindow& window) {
    ViewFeatures features;
    for (const Contour& contour : outline.contours) {
        for (size_t k = 0; k < contour.size(); ++k) {
            const Segment& s = contour[k];
            const Segment& next = contour[(k + 1) % contour.size()];
            if (window.Contains(s.to) &&
                TurnDegrees(s.TangentAt(1.0), next.TangentAt(0.0)) > kCornerDegrees) {
                ++features.corners;
            }
            if (!s.quadratic) continue;
            // The range of directions the curve takes while it is inside the window.
            constexpr int kSteps = 256;
            bool inside = false;
            Vec2 first;
            double turn = 0.0;
            for (int i = 0; i <= kSteps; ++i) {
                const double t = static_cast<double>(i) / kSteps;
                if (!window.Contains(s.PointAt(t))) continue;
                if (!inside) {
                    first = s.TangentAt(t);
                    inside = true;
                }
                turn = std::max(turn, TurnDegrees(first, s.TangentAt(t)));
            }
            if (turn > kCurveDegrees) ++features.curvedEdges;
            features.largestCurveTurn = std::max(features.largestCurveTurn, turn);
        }
    }
    return features;
}
