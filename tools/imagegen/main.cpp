// dfimagegen: writes the demo's image.tga (coverage in RGB, signed distance in alpha) and its
// reference outline and 16× coverage image, from text in a TrueType font or a test shape.
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "assets/DistanceFieldEncoding.h"
#include "tools/imagegen/ImageAssets.h"
#include "tools/imagegen/ShapeSource.h"

namespace {

void PrintUsage(std::FILE* to) {
    std::fprintf(to,
                 "usage: dfimagegen (--font FILE | --shape circle|square) --out-dir DIR "
                 "[options]\n"
                 "  --out-dir DIR          existing folder that receives %s, %s, %s\n%s",
                 kImageFileName, kOutlineFileName, kCoverageFileName, ShapeOptionsHelp());
}

bool IsDirectory(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

int main(int argc, char** argv) {
    ShapeOptions shape;
    std::string outDir;
    std::string error;
    for (int k = 1; k < argc; ++k) {
        if (std::strcmp(argv[k], "--help") == 0 || std::strcmp(argv[k], "-h") == 0) {
            PrintUsage(stdout);
            return 0;
        }
        if (std::strcmp(argv[k], "--out-dir") == 0) {
            if (k + 1 >= argc) {
                std::fprintf(stderr, "dfimagegen: --out-dir needs a value\n");
                return 2;
            }
            outDir = argv[++k];
            continue;
        }
        switch (ParseShapeOption(argc, argv, &k, &shape, &error)) {
            case ParseResult::kParsed:
                continue;
            case ParseResult::kFailed:
                std::fprintf(stderr, "dfimagegen: %s\n", error.c_str());
                return 2;
            case ParseResult::kNotShapeOption:
                std::fprintf(stderr, "dfimagegen: unknown argument '%s'\n", argv[k]);
                PrintUsage(stderr);
                return 2;
        }
    }
    if (outDir.empty()) {
        std::fprintf(stderr, "dfimagegen: no output folder given (--out-dir DIR)\n");
        PrintUsage(stderr);
        return 2;
    }
    if (!IsDirectory(outDir)) {
        std::fprintf(stderr, "dfimagegen: output folder %s does not exist\n", outDir.c_str());
        return 1;
    }
    Outline outline;
    if (!BuildShapeOutline(shape, &outline, &error) ||
        !WriteImageAssets(outline, kDistanceFieldSpread, outDir, &error)) {
        std::fprintf(stderr, "dfimagegen: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
