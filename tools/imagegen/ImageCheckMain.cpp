// dfimagecheck: measures how well the distance encoding keeps the outline for a range of
// spreads, and writes magnified previews of the panels next to the exact shape.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "assets/DistanceFieldEncoding.h"
#include "tools/common/FileOutput.h"
#include "tools/imagegen/ImageAssets.h"
#include "tools/imagegen/PngEncoder.h"
#include "tools/imagegen/PreviewRenderer.h"
#include "tools/imagegen/ShapeSource.h"
#include "tools/imagegen/SpreadMeasurement.h"
#include "tools/imagegen/ViewFeatures.h"

namespace {

constexpr double kLargestMagnification = 49.0;

void PrintUsage(std::FILE* to) {
    std::fprintf(to,
                 "usage: dfimagecheck (--font FILE | --shape circle|square) [options]\n"
                 "  --spread S             spread of the previews (default: the shipped one)\n"
                 "  --preview-dir DIR      existing folder for preview PNGs\n%s",
                 ShapeOptionsHelp());
}

void PrintMeasurement(const SpreadError& e) {
    const double m = kLargestMagnification;
    if (e.spread > 0.0) {
        const double step = 2.0 * e.spread / 255.0;
        std::printf("%6.3f  %7.4f %6.3f", e.spread, step, step * m);
    } else {
        std::printf(" exact  %7s %6s", "-", "-");
    }
    std::printf("  %7.4f %7.4f %6.2f %5.2f  %7.4f %7.4f %6.3f %5.3f  %6.2f%%\n", e.maxError,
                e.rmsError, e.maxError * m, e.rmsError * m, e.maxAdded, e.rmsAdded, e.maxAdded * m,
                e.rmsAdded * m, 100.0 * e.clampedShare);
}

bool WritePreview(const std::string& path, const std::vector<uint8_t>& grey, int width,
                  int height) {
    std::string error;
    if (!WriteFileAtomically(path, EncodePng(grey.data(), width, height, 1), &error)) {
        std::fprintf(stderr, "dfimagecheck: %s\n", error.c_str());
        return false;
    }
    return true;
}

// The four modes side by side, then the difference between the distance panel and the
// exact one, four times amplified.
bool WriteViews(const std::string& path, const Outline& outline, const std::vector<Rgba8>& texels,
                double spread, const PreviewView& view, int enlarge) {
    std::vector<std::vector<uint8_t>> panels;
    for (PreviewMode mode : {PreviewMode::kBilinear, PreviewMode::kAlphaTest,
                             PreviewMode::kDistance, PreviewMode::kExact}) {
        panels.push_back(RenderPreview(mode, outline, texels, spread, view));
    }
    std::vector<uint8_t> difference(panels[2].size());
    for (size_t k = 0; k < difference.size(); ++k) {
        const int d = std::abs(static_cast<int>(panels[2][k]) - static_cast<int>(panels[3][k]));
        difference[k] = static_cast<uint8_t>(std::min(255, 4 * d));
    }
    panels.push_back(difference);
    int width = 0;
    std::vector<uint8_t> joined = JoinPanels(panels, view.width, view.height, 4, &width);
    if (enlarge > 1) joined = EnlargeNearest(joined, width, view.height, enlarge);
    return WritePreview(path, joined, width * enlarge, view.height * enlarge);
}

}  // namespace

int main(int argc, char** argv) {
    ShapeOptions shape;
    std::string previewDir;
    double spread = kDistanceFieldSpread;
    std::string error;
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--help") == 0) {
            PrintUsage(stdout);
            return 0;
        }
        const bool takesValue =
            std::strcmp(argv[k], "--preview-dir") == 0 || std::strcmp(argv[k], "--spread") == 0;
        if (takesValue && k + 1 >= argc) {
            std::fprintf(stderr, "dfimagecheck: %s needs a value\n", argv[k]);
            return 2;
        }
        if (std::strcmp(argv[k], "--preview-dir") == 0) {
            previewDir = argv[++k];
            continue;
        }
        if (std::strcmp(argv[k], "--spread") == 0) {
            char* end = nullptr;
            spread = std::strtod(argv[++k], &end);
            if (*end != '\0' || !(spread > 0.0)) {
                std::fprintf(stderr, "dfimagecheck: --spread needs a positive number\n");
                return 2;
            }
            continue;
        }
        switch (ParseShapeOption(argc, argv, &k, &shape, &error)) {
            case ParseResult::kParsed:
                continue;
            case ParseResult::kFailed:
                std::fprintf(stderr, "dfimagecheck: %s\n", error.c_str());
                return 2;
            case ParseResult::kNotShapeOption:
                std::fprintf(stderr, "dfimagecheck: unknown argument '%s'\n", argv[k]);
                PrintUsage(stderr);
                return 2;
        }
    }
    Outline outline;
    if (!BuildShapeOutline(shape, &outline, &error)) {
        std::fprintf(stderr, "dfimagecheck: %s\n", error.c_str());
        return 1;
    }
    const Bounds ink = OutlineBounds(outline);
    std::printf("ink box: x %.2f to %.2f, y %.2f to %.2f (texels)\n", ink.min.x, ink.max.x,
                ink.min.y, ink.max.y);
    const PreviewView panel;
    const ViewWindow window =
        PanelWindow(panel.width, panel.height, panel.scale, panel.fixedTexel, panel.fixedScreen);
    const ViewFeatures features = FeaturesInWindow(outline, window);
    std::printf(
        "49x view (x %.2f to %.2f, y %.2f to %.2f): %d corners, %d curved edges (largest turn "
        "%.1f degrees)\n",
        window.min.x, window.max.x, window.min.y, window.max.y, features.corners,
        features.curvedEdges, features.largestCurveTurn);
    const ImageChannels channels = ComputeImageChannels(outline);
    const std::vector<Vec2> samples = OutlineSamples(outline, 1.0 / 64.0);

    std::printf("bilinear interpolation of the decoded distance at %zu points on the outline\n",
                samples.size());
    std::printf(
        "error: |interpolated decoded distance| (0 on the outline); added: |decoded - exact|"
        " after interpolation\n");
    std::printf(
        "        8-bit step      error texels  error px@49x    added texels  added px@49x\n");
    std::printf(
        "spread  texels px@49x     max     rms    max   rms      max     rms    max   rms"
        "  clamped\n");
    const double candidates[] = {0.0,  0.75, 1.0, 1.25, 1.3, 1.35, 1.42, 1.5,
                                 1.75, 2.0,  2.5, 3.0,  4.0, 6.0,  8.0};
    for (double candidate : candidates) {
        PrintMeasurement(
            MeasureSpread(samples, channels.distance, kImageWidth, kImageHeight, candidate));
    }
    std::printf("shipped spread: %.3f\n", static_cast<double>(kDistanceFieldSpread));

    if (previewDir.empty()) return 0;
    const std::vector<Rgba8> texels = ComposeTexels(channels, spread);
    const std::string dir = previewDir + "/";
    PreviewView close;  // the 49× view of a panel
    PreviewView middle = close;
    middle.scale = 12.0;
    PreviewView whole;
    whole.width = 264;
    whole.height = 72;
    whole.scale = 1.0;
    whole.fixedScreen = {36.0, 36.0};
    const bool ok = WriteViews(dir + "view_49x.png", outline, texels, spread, close, 1) &&
                    WriteViews(dir + "view_12x.png", outline, texels, spread, middle, 1) &&
                    WriteViews(dir + "view_1x_enlarged4.png", outline, texels, spread, whole, 4);
    return ok ? 0 : 1;
}
