#include "tools/imagegen/PreviewRenderer.h"

#include <algorithm>
#include <cmath>

#include "tools/imagegen/CoverageRaster.h"
#include "tools/imagegen/DistanceField.h"
#include "tools/imagegen/Flatten.h"
#include "tools/imagegen/TexelSampler.h"

namespace {

uint8_t ToByte(double unit) {
    return static_cast<uint8_t>(std::floor(255.0 * std::clamp(unit, 0.0, 1.0) + 0.5));
}

}  // namespace

std::vector<uint8_t> RenderPreview(PreviewMode mode, const Outline& outline,
                                   const std::vector<Rgba8>& texels, double spread,
                                   const PreviewView& view) {
    std::vector<uint8_t> grey(static_cast<size_t>(view.width) * view.height);
    if (mode == PreviewMode::kExact) {
        const double s = view.scale;
        const Vec2 offset = view.fixedScreen - view.fixedTexel * s;
        const Outline onScreen = TransformOutline(outline, {s, s}, offset);
        const std::vector<double> coverage =
            RasterizeCoverage(FlattenOutline(onScreen, kFlattenTolerance), view.width, view.height);
        for (size_t k = 0; k < grey.size(); ++k) grey[k] = ToByte(coverage[k]);
        return grey;
    }
    std::vector<double> coverage(texels.size());
    std::vector<double> distance(texels.size());
    for (size_t k = 0; k < texels.size(); ++k) {
        coverage[k] = texels[k].r / 255.0;
        distance[k] = DecodeDistance(texels[k].a, spread);
    }
    for (int y = 0; y < view.height; ++y) {
        for (int x = 0; x < view.width; ++x) {
            const Vec2 screen{x + 0.5, y + 0.5};
            const Vec2 p = view.fixedTexel + (screen - view.fixedScreen) * (1.0 / view.scale);
            double value = 0.0;
            switch (mode) {
                case PreviewMode::kBilinear:
                    value = SampleBilinear(coverage, kImageWidth, kImageHeight, p).value;
                    break;
                case PreviewMode::kAlphaTest:
                    value = SampleBilinear(coverage, kImageWidth, kImageHeight, p).value >= 0.5;
                    break;
                case PreviewMode::kDistance: {
                    // One texel is `scale` screen pixels: a ramp one pixel wide at level 0.
                    const double d = SampleBilinear(distance, kImageWidth, kImageHeight, p).value;
                    value = 0.5 + d * view.scale;
                    break;
                }
                case PreviewMode::kExact:
                    break;
            }
            // Outside the image the panel shows nothing.
            if (p.x < 0.0 || p.y < 0.0 || p.x >= kImageWidth || p.y >= kImageHeight) value = 0.25;
            grey[static_cast<size_t>(y) * view.width + x] = ToByte(value);
        }
    }
    return grey;
}

std::vector<uint8_t> JoinPanels(const std::vector<std::vector<uint8_t>>& panels, int panelWidth,
                                int height, int gap, int* joinedWidth) {
    const int count = static_cast<int>(panels.size());
    const int width = count * panelWidth + std::max(0, count - 1) * gap;
    std::vector<uint8_t> joined(static_cast<size_t>(width) * height, 128);
    for (int k = 0; k < count; ++k) {
        const int left = k * (panelWidth + gap);
        for (int y = 0; y < height; ++y) {
            std::copy_n(&panels[k][static_cast<size_t>(y) * panelWidth], panelWidth,
                        &joined[static_cast<size_t>(y) * width + left]);
        }
    }
    *joinedWidth = width;
    return joined;
}

std::vector<uint8_t> EnlargeNearest(const std::vector<uint8_t>& grey, int width, int height,
                                    int factor) {
    const int w = width * factor;
    std::vector<uint8_t> big(static_cast<size_t>(w) * height * factor);
    for (int y = 0; y < height * factor; ++y) {
        for (int x = 0; x < w; ++x) {
            big[static_cast<size_t>(y) * w + x] =
                grey[static_cast<size_t>(y / factor) * width + x / factor];
        }
    }
    return big;
}
