#include "tools/imagegen/SpreadMeasurement.h"

#include <algorithm>
#include <cmath>

#include "tools/imagegen/DistanceField.h"
#include "tools/imagegen/Flatten.h"
#include "tools/imagegen/TexelSampler.h"

std::vector<Vec2> OutlineSamples(const Outline& outline, double step) {
    std::vector<Vec2> samples;
    for (const Contour& contour : outline.contours) {
        for (const Segment& s : contour) {
            // The control polygon is at least as long as the curve.
            const double length = s.quadratic
                                      ? Length(s.control - s.from) + Length(s.to - s.control)
                                      : Length(s.to - s.from);
            const int n = std::max(1, static_cast<int>(std::ceil(length / step)));
            for (int k = 0; k < n; ++k) samples.push_back(s.PointAt(static_cast<double>(k) / n));
        }
    }
    return samples;
}

SpreadError MeasureSpread(const std::vector<Vec2>& samples, const std::vector<double>& distance,
                          int width, int height, double spread) {
    std::vector<double> decoded(distance.size());
    std::vector<double> clamped(distance.size());
    for (size_t k = 0; k < distance.size(); ++k) {
        if (spread > 0.0) {
            const uint8_t byte = EncodeDistance(distance[k], spread);
            decoded[k] = DecodeDistance(byte, spread);
            clamped[k] = byte == 0 || byte == 255 ? 1.0 : 0.0;
        } else {
            decoded[k] = distance[k];
            clamped[k] = 0.0;
        }
    }
    SpreadError result;
    result.spread = spread;
    double sumSquares = 0.0;
    double sumAddedSquares = 0.0;
    int clampedSamples = 0;
    for (Vec2 p : samples) {
        const BilinearSample s = SampleBilinear(decoded, width, height, p);
        const double added = std::fabs(s.value - SampleBilinear(distance, width, height, p).value);
        result.maxAdded = std::max(result.maxAdded, added);
        sumAddedSquares += added * added;
        const BilinearSample c = SampleBilinear(clamped, width, height, p);
        const double error = std::fabs(s.value);
        result.maxError = std::max(result.maxError, error);
        sumSquares += error * error;
        if (c.corners[0] + c.corners[1] + c.corners[2] + c.corners[3] > 0.0) ++clampedSamples;
    }
    result.samples = static_cast<int>(samples.size());
    if (!samples.empty()) {
        result.rmsError = std::sqrt(sumSquares / samples.size());
        result.rmsAdded = std::sqrt(sumAddedSquares / samples.size());
        result.clampedShare = static_cast<double>(clampedSamples) / samples.size();
    }
    return result;
}
