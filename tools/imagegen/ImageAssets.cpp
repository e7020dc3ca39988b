#include "tools/imagegen/ImageAssets.h"

#include <cmath>

#include "tools/common/FileOutput.h"
#include "tools/imagegen/CoverageRaster.h"
#include "tools/imagegen/DistanceField.h"
#include "tools/imagegen/Flatten.h"
#include "tools/imagegen/PngEncoder.h"
#include "tools/imagegen/SvgPath.h"

namespace {

uint8_t ToByte(double unit) {
    const double v = std::floor(255.0 * unit + 0.5);
    return static_cast<uint8_t>(v < 0.0 ? 0.0 : (v > 255.0 ? 255.0 : v));
}

}  // namespace

ImageChannels ComputeImageChannels(const Outline& outline) {
    ImageChannels channels;
    channels.coverage =
        RasterizeCoverage(FlattenOutline(outline, kFlattenTolerance), kImageWidth, kImageHeight);
    channels.distance = SignedDistanceField(outline, kImageWidth, kImageHeight);
    return channels;
}

std::vector<Rgba8> ComposeTexels(const ImageChannels& channels, double spread) {
    std::vector<Rgba8> texels(channels.coverage.size());
    for (size_t k = 0; k < texels.size(); ++k) {
        const uint8_t grey = ToByte(channels.coverage[k]);
        texels[k] = {grey, grey, grey, EncodeDistance(channels.distance[k], spread)};
    }
    return texels;
}

std::vector<uint8_t> MagnifiedCoverage(const Outline& outline) {
    constexpr double m = kCoverageMagnification;
    const Outline magnified = TransformOutline(outline, {m, m}, {0.0, 0.0});
    const std::vector<double> coverage = RasterizeCoverage(
        FlattenOutline(magnified, kFlattenTolerance), kImageWidth * kCoverageMagnification,
        kImageHeight * kCoverageMagnification);
    std::vector<uint8_t> grey(coverage.size());
    for (size_t k = 0; k < grey.size(); ++k) grey[k] = ToByte(coverage[k]);
    return grey;
}

bool WriteImageAssets(const Outline& outline, double spread, const std::string& directory,
                      std::string* error) {
    const std::string prefix = directory.empty() ? std::string() : directory + "/";

    const std::vector<uint8_t> tga = EncodeTga32(
        ComposeTexels(ComputeImageChannels(outline), spread), kImageWidth, kImageHeight);
    if (tga.empty()) {
        *error = "cannot encode the TGA image";
        return false;
    }
    const std::vector<uint8_t> magnified = MagnifiedCoverage(outline);
    const std::vector<uint8_t> png =
        EncodePng(magnified.data(), kImageWidth * kCoverageMagnification,
                  kImageHeight * kCoverageMagnification, 1);
    if (png.empty()) {
        *error = "cannot encode the coverage PNG";
        return false;
    }
    return WriteFileAtomically(prefix + kImageFileName, tga, error) &&
           WriteFileAtomically(prefix + kOutlineFileName,
                               SvgDocument(outline, kImageWidth, kImageHeight), error) &&
           WriteFileAtomically(prefix + kCoverageFileName, png, error);
}
