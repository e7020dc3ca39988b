#include "platform/d3dx9/d3dx9_glyph_cache.h"

namespace d3dx9 {

const CachedGlyph& GlyphCache::Get(char32_t c) {
    const auto found = m_glyphs.find(c);
    if (found != m_glyphs.end()) return found->second;

    CachedGlyph glyph;
    if (m_source.Render(m_source.Find(c), &m_image)) {
        glyph.left = m_image.left;
        glyph.top = m_image.top;
        glyph.advance = m_image.advance;
        const UINT page = m_atlas.PageSize();
        // An image larger than a page can never be placed: it is kept as showing nothing.
        if (m_image.width > 0 && m_image.height > 0 && m_image.width <= page &&
            m_image.height <= page) {
            if (!m_atlas.Place(m_image.width, m_image.height, m_image.coverage.data(),
                               &glyph.slot)) {
                // Nothing is kept: the next draw tries again (a page may be had by then).
                m_unplaced = glyph;
                return m_unplaced;
            }
            glyph.width = m_image.width;
            glyph.height = m_image.height;
        }
    }
    // A glyph FreeType cannot render is kept as one that shows nothing and takes no room.
    return m_glyphs.emplace(c, glyph).first->second;
}

}  // namespace d3dx9
