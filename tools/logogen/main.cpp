// dflogogen: writes the demo's logo, an RGBA PNG made from vector shapes and TrueType text.
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/common/FileOutput.h"
#include "tools/imagegen/PngEncoder.h"
#include "tools/logogen/LogoDesign.h"

namespace {

constexpr const char* kDefaultBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
constexpr const char* kDefaultRegular = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

void PrintUsage(std::FILE* to) {
    std::fprintf(to,
                 "usage: dflogogen --out FILE [--font-bold FILE] [--font-regular FILE]\n"
                 "  --out FILE           the PNG to write (for the demo: assets/data/logo.png)\n"
                 "  --font-bold FILE     title font (default %s)\n"
                 "  --font-regular FILE  subtitle font (default %s)\n",
                 kDefaultBold, kDefaultRegular);
}

}  // namespace

int main(int argc, char** argv) {
    LogoFonts fonts{kDefaultBold, kDefaultRegular};
    std::string out;
    for (int k = 1; k < argc; ++k) {
        const std::string arg = argv[k];
        if (arg == "--help" || arg == "-h") {
            PrintUsage(stdout);
            return 0;
        }
        std::string* target = arg == "--out"            ? &out
                              : arg == "--font-bold"    ? &fonts.bold
                              : arg == "--font-regular" ? &fonts.regular
                                                        : nullptr;
        if (target == nullptr) {
            std::fprintf(stderr, "dflogogen: unknown argument '%s'\n", argv[k]);
            PrintUsage(stderr);
            return 2;
        }
        if (k + 1 >= argc) {
            std::fprintf(stderr, "dflogogen: %s needs a value\n", argv[k]);
            return 2;
        }
        *target = argv[++k];
    }
    if (out.empty()) {
        std::fprintf(stderr, "dflogogen: no output file given (--out FILE)\n");
        PrintUsage(stderr);
        return 2;
    }
    std::vector<uint8_t> rgba;
    std::string error;
    if (!RenderLogo(fonts, &rgba, &error)) {
        std::fprintf(stderr, "dflogogen: %s\n", error.c_str());
        return 1;
    }
    const std::vector<uint8_t> png = EncodePng(rgba.data(), kLogoWidth, kLogoHeight, 4);
    if (png.empty()) {
        std::fprintf(stderr, "dflogogen: cannot encode the PNG\n");
        return 1;
    }
    if (!WriteFileAtomically(out, png, &error)) {
        std::fprintf(stderr, "dflogogen: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
