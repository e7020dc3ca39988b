#include "tools/imagegen/DistanceField.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "tools/imagegen/SegmentDistance.h"
#include "tools/imagegen/Winding.h"

double SignedDistance(const Outline& outline, Vec2 p) {
    double nearest = std::numeric_limits<double>::infinity();
    for (const Contour& contour : outline.contours) {
        for (const Segment& s : contour) {
            nearest = std::min(nearest, ClosestPointOnSegment(s, p).distance);
        }
    }
    return WindingNumber(outline, p) != 0 ? nearest : -nearest;
}

std::vector<double> SignedDistanceField(const Outline& outline, int width, int height) {
    std::vector<double> field;
    if (width <= 0 || height <= 0) return field;
    field.resize(static_cast<size_t>(width) * height);
    for (int j = 0; j < height; ++j) {
        for (int i = 0; i < width; ++i) {
            field[static_cast<size_t>(j) * width + i] = SignedDistance(outline, {i + 0.5, j + 0.5});
        }
    }
    return field;
}

uint8_t EncodeDistance(double distance, double spread) {
    const double unit = std::clamp(0.5 + distance / (2.0 * spread), 0.0, 1.0);
    return static_cast<uint8_t>(std::floor(255.0 * unit + 0.5));
}

double DecodeDistance(double encoded, double spread) {
    return (encoded / 255.0 - 0.5) * 2.0 * spread;
}
