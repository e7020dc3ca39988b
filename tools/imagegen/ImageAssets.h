// The shipped image and its two reference files, made from an outline in texel coordinates.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/imagegen/Outline.h"
#include "tools/imagegen/TgaEncoder.h"

constexpr int kImageWidth = 256;
constexpr int kImageHeight = 64;
// The reference coverage image has this many pixels per texel in each direction.
constexpr int kCoverageMagnification = 16;
// Curves are flattened to within this many cells of the grid being filled; the area this
// can miss in a cell stays far below one 8-bit step (1/255).
constexpr double kFlattenTolerance = 1e-4;

constexpr const char* kImageFileName = "image.tga";
constexpr const char* kOutlineFileName = "image_outline.svg";
constexpr const char* kCoverageFileName = "image_coverage_16x.png";

// Per texel, row-major from the top: the exact nonzero area coverage and the signed
// distance (texels, positive inside) from the texel centre to the outline.
struct ImageChannels {
    std::vector<double> coverage;
    std::vector<double> distance;
};

ImageChannels ComputeImageChannels(const Outline& outline);

// round(255 × coverage) in red, green and blue; the encoded distance in alpha.
std::vector<Rgba8> ComposeTexels(const ImageChannels& channels, double spread);

// 8-bit grey coverage at kCoverageMagnification pixels per texel, row-major from the top.
std::vector<uint8_t> MagnifiedCoverage(const Outline& outline);

// Writes image.tga, image_outline.svg and image_coverage_16x.png into `directory`, which must
// exist. The bytes depend only on the outline and the spread.
bool WriteImageAssets(const Outline& outline, double spread, const std::string& directory,
                      std::string* error);
