// Magnified views of the image as the demo's panels show it, next to an exact rendering of
// the outline, for looking at the generated data.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/imagegen/ImageAssets.h"

enum class PreviewMode {
    kBilinear,   // coverage, bilinearly filtered
    kAlphaTest,  // filtered coverage cut at one half
    kDistance,   // decoded distance, filtered, turned into coverage over one screen pixel
    kExact,      // the outline itself, exact area coverage per screen pixel
};

struct PreviewView {
    int width = 341;  // screen pixels
    int height = 320;
    double scale = 49.0;  // screen pixels per texel
    Vec2 fixedTexel{32.0, 32.0};
    Vec2 fixedScreen{170.0, 160.0};  // where the fixed texel point lands
};

// One grey panel (0 black .. 255 white), row-major from the top.
std::vector<uint8_t> RenderPreview(PreviewMode mode, const Outline& outline,
                                   const std::vector<Rgba8>& texels, double spread,
                                   const PreviewView& view);

// Panels of equal height side by side, with a grey gap of `gap` pixels between them.
std::vector<uint8_t> JoinPanels(const std::vector<std::vector<uint8_t>>& panels, int panelWidth,
                                int height, int gap, int* joinedWidth);

// Each pixel repeated factor × factor times.
std::vector<uint8_t> EnlargeNearest(const std::vector<uint8_t>& grey, int width, int height,
                                    int factor);
