#include "platform/d3dx9/d3dx9_text_layout.h"

#include <algorithm>

namespace d3dx9 {

void LayOutText(const std::u32string& text, bool singleLine, int lineHeight, int ascent,
                GlyphCache& cache, TextLayout* layout) {
    layout->glyphs.clear();
    layout->lineWidths.clear();
    layout->width = 0;
    layout->height = 0;
    if (text.empty()) return;

    std::size_t line = 0;
    std::int64_t x = 0;
    auto endLine = [&] {
        layout->lineWidths.push_back(x);
        layout->width = std::max(layout->width, x);
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c == U'\n' || c == U'\r') {
            if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
            if (singleLine) continue;
            endLine();
            ++line;
            x = 0;
            continue;
        }
        if (c < 0x20 || c == 0x7F) continue;
        const CachedGlyph& glyph = cache.Get(c);
        if (glyph.width > 0)
            layout->glyphs.push_back(
                {line, x, static_cast<std::int64_t>(line) * lineHeight + ascent, glyph});
        x += glyph.advance;
    }
    endLine();
    layout->height = static_cast<std::int64_t>(line + 1) * lineHeight;
}

}  // namespace d3dx9
