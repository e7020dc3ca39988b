// Outlines of a line of text taken from a TrueType font file.
#pragma once

#include <string>

#include "tools/imagegen/Outline.h"

struct TextOutlineRequest {
    std::string fontPath;
    std::string text;            // UTF-8
    double letterSpacing = 0.0;  // added after every glyph's advance, in font units
};

struct TextOutline {
    Outline outline;  // font units, y up, baseline at y = 0, pen starting at x = 0
    double unitsPerEm = 0.0;
};

// Lays the glyphs of `text` out on one baseline with their advances and the font's kerning
// (when it has a kerning table) and collects their unhinted outlines. Fails with a message in
// *error when the font cannot be opened, a character has no glyph, the text is not valid
// UTF-8, or the font holds cubic curves (only TrueType's lines and quadratics are taken).
bool LoadTextOutline(const TextOutlineRequest& request, TextOutline* result, std::string* error);
