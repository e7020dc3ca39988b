// Text laid out in lines from its top-left corner: where each glyph goes, and the size of the
// whole.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/d3dx9/d3dx9_glyph_cache.h"

namespace d3dx9 {

struct LaidGlyph {
    std::size_t line = 0;
    std::int64_t x = 0;         // pen position, from the text's left edge
    std::int64_t baseline = 0;  // from the text's top edge
    CachedGlyph glyph;
};

struct TextLayout {
    std::vector<LaidGlyph> glyphs;         // those that show something
    std::vector<std::int64_t> lineWidths;  // the advances of each line, added up
    std::int64_t width = 0;                // of the widest line
    std::int64_t height = 0;               // lines × line height; 0 for an empty text
};

// Lines break at "\n", "\r\n" and a lone "\r", and follow each other at the line height;
// with singleLine the breaks are left out. Other control characters take no room.
void LayOutText(const std::u32string& text, bool singleLine, int lineHeight, int ascent,
                GlyphCache& cache, TextLayout* layout);

}  // namespace d3dx9
