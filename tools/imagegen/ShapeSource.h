// Which shape the image is made from, as chosen on the command line, and its outline in
// texel coordinates.
#pragma once

#include <string>

#include "tools/imagegen/Outline.h"

enum class ShapeKind { kText, kCircle, kSquare };

// The defaults make the shipped image: the word below in DejaVu Sans Bold, slightly spaced
// out to fill the width, its ink box placed so that the fixed point (32, 32) lies in the
// notch of the 'a' between the shoulder's inner curve and the corner where the bowl meets
// the stem.
struct ShapeOptions {
    ShapeKind kind = ShapeKind::kText;
    std::string fontPath;
    std::string text = "atlas";
    double letterSpacing = 220.0;  // font units after every glyph
    double inkLeft = 6.0;          // texels from the image's left edge to the leftmost ink
    double inkTop = 3.0;           // texels from the top edge to the topmost ink
    double inkHeight = 58.0;       // texels from the topmost to the lowest ink
};

enum class ParseResult { kNotShapeOption, kParsed, kFailed };

// Reads the shape option at argv[*index] (with its value, advancing *index past it):
// --font FILE, --text WORD, --shape circle|square, --letter-spacing UNITS, --ink-left X,
// --ink-top Y, --ink-height H.
ParseResult ParseShapeOption(int argc, char** argv, int* index, ShapeOptions* options,
                             std::string* error);

// One line per option, for usage texts.
const char* ShapeOptionsHelp();

// The outline in texel coordinates (x right, y down, texel (i, j) covering
// [i, i + 1] × [j, j + 1]).
bool BuildShapeOutline(const ShapeOptions& options, Outline* outline, std::string* error);
