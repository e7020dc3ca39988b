// The glyphs a font has drawn: each character is rendered once and kept in the atlas, with
// the metrics that lay it out.
#pragma once

#include <unordered_map>

#include "platform/d3dx9/d3dx9_glyph_atlas.h"
#include "platform/d3dx9/d3dx9_glyph_source.h"

namespace d3dx9 {

struct CachedGlyph {
    int left = 0;  // as in GlyphImage
    int top = 0;
    UINT width = 0;  // 0 for a glyph that shows nothing (a space)
    UINT height = 0;
    int advance = 0;
    AtlasSlot slot;  // where the image lies, when it has one
};

class GlyphCache {
public:
    GlyphCache(GlyphSource& source, GlyphAtlas& atlas) : m_source(source), m_atlas(atlas) {}

    // The glyph of c, rendered and placed on first use. A glyph whose image could not be
    // placed (no page could be made) shows nothing this time and is tried again on the next
    // use; the reference to such a glyph is valid only until the next call.
    const CachedGlyph& Get(char32_t c);

private:
    GlyphSource& m_source;
    GlyphAtlas& m_atlas;
    std::unordered_map<char32_t, CachedGlyph> m_glyphs;
    CachedGlyph m_unplaced;  // handed out for a glyph that is not kept
    GlyphImage m_image;      // scratch, so rendering allocates only while it grows
};

}  // namespace d3dx9
