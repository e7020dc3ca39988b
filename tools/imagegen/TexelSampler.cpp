#include "tools/imagegen/TexelSampler.h"

#include <algorithm>
#include <cmath>

BilinearSample SampleBilinear(const std::vector<double>& values, int width, int height, Vec2 p) {
    const double u = p.x - 0.5;
    const double v = p.y - 0.5;
    const double i0 = std::floor(u);
    const double j0 = std::floor(v);
    const double fx = u - i0;
    const double fy = v - j0;
    auto at = [&](double i, double j) {
        const int x = static_cast<int>(std::clamp(i, 0.0, width - 1.0));
        const int y = static_cast<int>(std::clamp(j, 0.0, height - 1.0));
        return values[static_cast<size_t>(y) * width + x];
    };
    BilinearSample s;
    s.corners[0] = at(i0, j0);
    s.corners[1] = at(i0 + 1.0, j0);
    s.corners[2] = at(i0, j0 + 1.0);
    s.corners[3] = at(i0 + 1.0, j0 + 1.0);
    const double top = s.corners[0] + (s.corners[1] - s.corners[0]) * fx;
    const double bottom = s.corners[2] + (s.corners[3] - s.corners[2]) * fx;
    s.value = top + (bottom - top) * fy;
    s.gradient.x = (s.corners[1] - s.corners[0]) * (1.0 - fy) + (s.corners[3] - s.corners[2]) * fy;
    s.gradient.y = bottom - top;
    return s;
}
