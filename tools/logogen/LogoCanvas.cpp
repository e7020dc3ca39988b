#include "tools/logogen/LogoCanvas.h"

#include <algorithm>
#include <cmath>

namespace {

uint8_t ToByte(double unit) {
    return static_cast<uint8_t>(std::floor(255.0 * std::clamp(unit, 0.0, 1.0) + 0.5));
}

}  // namespace

LogoCanvas::LogoCanvas(int width, int height)
    : m_width(width), m_height(height), m_premultiplied(static_cast<size_t>(width) * height * 4) {}

void LogoCanvas::Paint(const std::vector<double>& mask, const ColourAt& colour) {
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const size_t k = static_cast<size_t>(y) * m_width + x;
            if (k >= mask.size() || mask[k] <= 0.0) continue;
            const Colour c = colour(x + 0.5, y + 0.5);
            const double alpha = std::clamp(mask[k], 0.0, 1.0) * c.a;
            double* p = &m_premultiplied[k * 4];
            p[0] = c.r * alpha + p[0] * (1.0 - alpha);
            p[1] = c.g * alpha + p[1] * (1.0 - alpha);
            p[2] = c.b * alpha + p[2] * (1.0 - alpha);
            p[3] = alpha + p[3] * (1.0 - alpha);
        }
    }
}

void LogoCanvas::Paint(const std::vector<double>& mask, Colour colour) {
    Paint(mask, [colour](double, double) { return colour; });
}

std::vector<uint8_t> LogoCanvas::ToRgba8() const {
    std::vector<uint8_t> rgba(m_premultiplied.size());
    for (size_t k = 0; k < m_premultiplied.size(); k += 4) {
        const double alpha = m_premultiplied[k + 3];
        const uint8_t a = ToByte(alpha);
        if (a == 0) continue;  // stays (0, 0, 0, 0)
        for (int c = 0; c < 3; ++c) rgba[k + c] = ToByte(m_premultiplied[k + c] / alpha);
        rgba[k + 3] = a;
    }
    return rgba;
}
