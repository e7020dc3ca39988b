#include "game/Magnification.h"

#include <cmath>

float MagnificationForFrame(std::uint32_t frameCount) {
    constexpr float kStep = 0.01f;  // 0.0099999998
    const double t = static_cast<double>(frameCount) * static_cast<double>(kStep);
    return static_cast<float>(std::sin(t) * 24.0 + 25.0);
}
