// Glyph images of a font at one size, rendered by FreeType from the faces a FaceMatch chose:
// each character comes from the first face that has it. Faces are opened when first needed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/d3dx9/d3dx9_font_match.h"

namespace d3dx9 {

struct FontSize {
    // Windows' convention: positive, the height of the character cell (ascent plus descent);
    // negative, the height of the em square.
    int height = 0;
    unsigned width = 0;  // average character width; 0 keeps the face's own proportions
};

struct GlyphStyle {
    int weight = 400;  // 1 to 1000; a face lighter than a bold request is emboldened
    bool italic = false;
    bool antialiased = true;  // greyscale coverage; else every pixel is in or out
};

// Where a character's glyph comes from.
struct GlyphRef {
    std::size_t face = 0;  // candidate number in the FaceMatch
    unsigned index = 0;    // glyph index in that face; 0 is the face's missing-glyph shape
};

struct GlyphImage {
    int left = 0;  // from the pen position to the image's first column
    int top = 0;   // from the baseline up to the image's first row
    unsigned width = 0;
    unsigned height = 0;
    int advance = 0;                     // whole pixels
    std::vector<std::uint8_t> coverage;  // width × height, rows from the top, 0 to 255
};

class GlyphSource {
public:
    // Null when the leading face cannot be opened or sized.
    static std::unique_ptr<GlyphSource> Create(std::unique_ptr<FaceMatch> faces, FontSize size,
                                               GlyphStyle style);
    ~GlyphSource();
    GlyphSource(const GlyphSource&) = delete;
    GlyphSource& operator=(const GlyphSource&) = delete;

    // The character cell: lines follow each other at this distance.
    int LineHeight() const { return m_lineHeight; }
    // From the top of the cell down to the baseline.
    int Ascent() const { return m_ascent; }

    // The first face with a glyph for c; the leading face's missing glyph when none has one.
    GlyphRef Find(char32_t c);
    // False when FreeType cannot render the glyph.
    bool Render(GlyphRef glyph, GlyphImage* image);

    const FaceMatch& Faces() const { return *m_faces; }
    // Whether glyphs of that face are emboldened (or slanted) because the face is lighter
    // (or more upright) than the style asks.
    bool Emboldened(std::size_t face) const;
    bool Slanted(std::size_t face) const;

private:
    struct OpenFace;
    struct Library;

    GlyphSource(std::unique_ptr<FaceMatch> faces, FontSize size, GlyphStyle style);
    // The face of that candidate, opened and sized on first use; null when it cannot be.
    OpenFace* Open(std::size_t face);

    std::unique_ptr<FaceMatch> m_faces;
    FontSize m_size;
    GlyphStyle m_style;
    std::unique_ptr<Library> m_library;
    int m_lineHeight = 0;
    int m_ascent = 0;
};

}  // namespace d3dx9
