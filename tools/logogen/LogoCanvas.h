// An RGBA picture built up by painting coverage masks over one another.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// Straight (not premultiplied) colour, each channel 0 to 1.
struct Colour {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
    double a = 1.0;
};

// Colour of a pixel given its centre, for gradients.
using ColourAt = std::function<Colour(double x, double y)>;

class LogoCanvas {
public:
    LogoCanvas(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Paints `colour` over the canvas ("over" compositing), weighted by `mask` (one value
    // 0 to 1 per pixel, row-major from the top, the canvas's size).
    void Paint(const std::vector<double>& mask, const ColourAt& colour);
    void Paint(const std::vector<double>& mask, Colour colour);

    // 8-bit RGBA with straight alpha, row-major from the top; fully transparent pixels are
    // (0, 0, 0, 0).
    std::vector<uint8_t> ToRgba8() const;

private:
    int m_width;
    int m_height;
    std::vector<double> m_premultiplied;  // r, g, b, a per pixel, colour times alpha
};
