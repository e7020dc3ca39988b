#include "tools/logogen/GaussianBlur.h"

#include <cmath>

std::vector<double> GaussianBlur(const std::vector<double>& mask, int width, int height,
                                 double sigma) {
    if (sigma <= 0.0) return mask;
    const int radius = static_cast<int>(std::ceil(3.0 * sigma));
    std::vector<double> kernel(2 * radius + 1);
    double sum = 0.0;
    for (int k = -radius; k <= radius; ++k) {
        kernel[k + radius] = std::exp(-0.5 * k * k / (sigma * sigma));
        sum += kernel[k + radius];
    }
    for (double& w : kernel) w /= sum;

    auto at = [&](const std::vector<double>& m, int x, int y) {
        if (x < 0 || y < 0 || x >= width || y >= height) return 0.0;
        return m[static_cast<size_t>(y) * width + x];
    };
    std::vector<double> across(mask.size());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double v = 0.0;
            for (int k = -radius; k <= radius; ++k) v += kernel[k + radius] * at(mask, x + k, y);
            across[static_cast<size_t>(y) * width + x] = v;
        }
    }
    std::vector<double> result(mask.size());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            double v = 0.0;
            for (int k = -radius; k <= radius; ++k) v += kernel[k + radius] * at(across, x, y + k);
            result[static_cast<size_t>(y) * width + x] = v;
        }
    }
    return result;
}

std::vector<double> ShiftMask(const std::vector<double>& mask, int width, int height, int dx,
                              int dy) {
    std::vector<double> shifted(mask.size(), 0.0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int sx = x - dx;
            const int sy = y - dy;
            if (sx < 0 || sy < 0 || sx >= width || sy >= height) continue;
            shifted[static_cast<size_t>(y) * width + x] =
                mask[static_cast<size_t>(sy) * width + sx];
        }
    }
    return shifted;
}
