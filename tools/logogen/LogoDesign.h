// The demo's logo: a small dark badge with a distance-field emblem and its name, in the lower
// right corner of a transparent picture that covers the window's lower right 448 × 128 pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int kLogoWidth = 448;
constexpr int kLogoHeight = 128;

struct LogoFonts {
    std::string bold;     // title lettering
    std::string regular;  // subtitle lettering
};

// RGBA with straight alpha, kLogoWidth × kLogoHeight, row-major from the top. The same fonts
// give the same pixels.
bool RenderLogo(const LogoFonts& fonts, std::vector<uint8_t>* rgba, std::string* error);
