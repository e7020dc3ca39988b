#include "tools/imagegen/ShapeSource.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "tools/imagegen/FontOutline.h"
#include "tools/imagegen/TestShapes.h"

namespace {

constexpr double kMaxInkHeight = 256.0;
constexpr double kMaxInkOffset = 1024.0;
constexpr double kMaxLetterSpacing = 10000.0;

bool ParseNumber(const char* text, double* value) {
    errno = 0;
    char* end = nullptr;
    const double v = std::strtod(text, &end);
    if (end == text || *end != '\0' || errno != 0 || !std::isfinite(v)) return false;
    *value = v;
    return true;
}

}  // namespace

ParseResult ParseShapeOption(int argc, char** argv, int* index, ShapeOptions* options,
                             std::string* error) {
    const std::string name = argv[*index];
    struct NumberOption {
        const char* name;
        double* target;
    };
    const NumberOption numbers[] = {
        {"--letter-spacing", &options->letterSpacing},
        {"--ink-left", &options->inkLeft},
        {"--ink-top", &options->inkTop},
        {"--ink-height", &options->inkHeight},
    };
    const bool known = name == "--font" || name == "--text" || name == "--shape" ||
                       std::any_of(std::begin(numbers), std::end(numbers),
                                   [&](const NumberOption& n) { return name == n.name; });
    if (!known) return ParseResult::kNotShapeOption;
    if (*index + 1 >= argc) {
        *error = name + " needs a value";
        return ParseResult::kFailed;
    }
    const char* value = argv[++*index];
    if (name == "--font") {
        options->fontPath = value;
    } else if (name == "--text") {
        options->text = value;
    } else if (name == "--shape") {
        if (std::strcmp(value, "circle") == 0) {
            options->kind = ShapeKind::kCircle;
        } else if (std::strcmp(value, "square") == 0) {
            options->kind = ShapeKind::kSquare;
        } else {
            *error = std::string("unknown shape '") + value + "' (circle or square)";
            return ParseResult::kFailed;
        }
    } else {
        for (const NumberOption& n : numbers) {
            if (name != n.name) continue;
            if (!ParseNumber(value, n.target)) {
                *error = name + " needs a number, not '" + value + "'";
                return ParseResult::kFailed;
            }
        }
    }
    return ParseResult::kParsed;
}

const char* ShapeOptionsHelp() {
    return "  --font FILE            TrueType font for the text (required unless --shape)\n"
           "  --text WORD            text to draw (default atlas)\n"
           "  --letter-spacing U     font units added after each glyph (default 220)\n"
           "  --ink-left X           texels left of the text's ink (default 6)\n"
           "  --ink-top Y            texels above the text's ink (default 3)\n"
           "  --ink-height H         texels from the top to the bottom of the ink (default 58)\n"
           "  --shape circle|square  a test shape with known distances instead of text\n";
}

bool BuildShapeOutline(const ShapeOptions& options, Outline* outline, std::string* error) {
    if (options.kind == ShapeKind::kCircle) {
        *outline = TestCircle();
        return true;
    }
    if (options.kind == ShapeKind::kSquare) {
        *outline = TestSquare();
        return true;
    }
    if (options.fontPath.empty()) {
        *error = "no font given (--font FILE)";
        return false;
    }
    // Bounds that keep the work finite: the curves are flattened at the 16× reference scale,
    // so a shape many times the image's size would only cost time and memory.
    if (!(options.inkHeight > 0.0 && options.inkHeight <= kMaxInkHeight)) {
        *error = "--ink-height must be positive and at most 256 texels";
        return false;
    }
    if (std::fabs(options.inkLeft) > kMaxInkOffset || std::fabs(options.inkTop) > kMaxInkOffset) {
        *error = "--ink-left and --ink-top must lie within 1024 texels of the image";
        return false;
    }
    if (std::fabs(options.letterSpacing) > kMaxLetterSpacing) {
        *error = "--letter-spacing must lie within 10000 font units";
        return false;
    }
    TextOutline text;
    if (!LoadTextOutline({options.fontPath, options.text, options.letterSpacing}, &text, error)) {
        return false;
    }
    const Bounds ink = OutlineBounds(text.outline);
    if (!ink.valid || ink.Height() <= 0.0) {
        *error = "the text '" + options.text + "' has no visible outline";
        return false;
    }
    // Font units have y up; texels have y down, so the font's top maps to inkTop.
    const double scale = options.inkHeight / ink.Height();
    const Vec2 offset{options.inkLeft - scale * ink.min.x, options.inkTop + scale * ink.max.y};
    *outline = TransformOutline(text.outline, {scale, -scale}, offset);
    return true;
}
