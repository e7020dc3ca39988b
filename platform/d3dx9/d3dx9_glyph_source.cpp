#include "platform/d3dx9/d3dx9_glyph_source.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

namespace d3dx9 {

namespace {

constexpr int kBoldWeight = 600;  // from here on a weight asks for a bold face

// The vertical metrics of a face in font units. Windows sizes a cell by the OS/2 table's
// win ascent and descent; faces without them use the ascender and descender.
struct CellMetrics {
    double ascent = 0;
    double cell = 0;  // ascent plus descent
    double averageWidth = 0;
};

CellMetrics CellMetricsOf(FT_Face face) {
    CellMetrics m;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        m.ascent = os2->usWinAscent;
        m.cell = static_cast<double>(os2->usWinAscent) + os2->usWinDescent;
    } else if (face->ascender - face->descender > 0) {
        m.ascent = face->ascender;
        m.cell = static_cast<double>(face->ascender) - face->descender;
    } else {
        m.ascent = face->units_per_EM * 0.8;
        m.cell = face->units_per_EM;
    }
    if (os2 && os2->version != 0xFFFF && os2->xAvgCharWidth > 0)
        m.averageWidth = os2->xAvgCharWidth;
    else
        m.averageWidth = face->units_per_EM / 2.0;
    return m;
}

// Pixels in FreeType's 26.6 fixed point.
FT_F26Dot6 ToFixed(double pixels) {
    return static_cast<FT_F26Dot6>(std::lround(pixels * 64.0));
}

void CopyBitmap(const FT_Bitmap& bitmap, GlyphImage* image) {
    image->width = bitmap.width;
    image->height = bitmap.rows;
    image->coverage.assign(static_cast<size_t>(bitmap.width) * bitmap.rows, 0);
    for (unsigned y = 0; y < bitmap.rows; ++y) {
        const unsigned char* row =
            bitmap.pitch >= 0
                ? bitmap.buffer + static_cast<size_t>(y) * bitmap.pitch
                : bitmap.buffer + static_cast<ptrdiff_t>(bitmap.rows - 1 - y) * -bitmap.pitch;
        std::uint8_t* out = &image->coverage[static_cast<size_t>(y) * bitmap.width];
        if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
            for (unsigned x = 0; x < bitmap.width; ++x)
                out[x] = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
        } else {
            const unsigned levels = bitmap.num_grays > 1 ? bitmap.num_grays - 1u : 255u;
            for (unsigned x = 0; x < bitmap.width; ++x)
                out[x] = static_cast<std::uint8_t>(
                    levels == 255 ? row[x] : std::min(255u, row[x] * 255u / levels));
        }
    }
}

}  // namespace

struct GlyphSource::OpenFace {
    FT_Face face = nullptr;
    bool embolden = false;
    bool slant = false;
};

struct GlyphSource::Library {
    FT_Library library = nullptr;
    std::vector<std::unique_ptr<OpenFace>> faces;  // by candidate; null until opened
    std::vector<bool> tried;
    double widthRatio = 1.0;  // horizontal over vertical scale, from the width asked for

    ~Library() {
        for (auto& open : faces)
            if (open) FT_Done_Face(open->face);
        if (library) FT_Done_FreeType(library);
    }
};

GlyphSource::GlyphSource(std::unique_ptr<FaceMatch> faces, FontSize size, GlyphStyle style)
    : m_faces(std::move(faces)), m_size(size), m_style(style), m_library(new Library) {
    m_library->faces.resize(m_faces->Count());
    m_library->tried.assign(m_faces->Count(), false);
}

GlyphSource::~GlyphSource() = default;

std::unique_ptr<GlyphSource> GlyphSource::Create(std::unique_ptr<FaceMatch> faces, FontSize size,
                                                 GlyphStyle style) {
    if (!faces || faces->Count() == 0 || size.height == 0) return nullptr;
    std::unique_ptr<GlyphSource> source(new GlyphSource(std::move(faces), size, style));
    if (FT_Init_FreeType(&source->m_library->library) != 0) return nullptr;
    // The leading face fixes the cell that every other face is then sized to.
    if (!source->Open(0)) return nullptr;
    return source;
}

GlyphSource::OpenFace* GlyphSource::Open(std::size_t i) {
    Library& library = *m_library;
    if (i >= library.faces.size()) return nullptr;
    if (library.faces[i] || library.tried[i]) return library.faces[i].get();
    library.tried[i] = true;

    const FaceCandidate& candidate = m_faces->Candidate(i);
    FT_Face face = nullptr;
    if (FT_New_Face(library.library, candidate.file.c_str(), candidate.index, &face) != 0)
        return nullptr;
    if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) {
        FT_Done_Face(face);
        return nullptr;
    }
    const CellMetrics metrics = CellMetricsOf(face);
    const double unitsPerEm = face->units_per_EM;
    double pixelsPerEm = 0;
    if (i == 0) {
        if (m_size.height > 0) {
            m_lineHeight = m_size.height;
            pixelsPerEm = m_size.height * unitsPerEm / metrics.cell;
        } else {
            pixelsPerEm = -static_cast<double>(m_size.height);
            m_lineHeight = std::max(1L, std::lround(metrics.cell * pixelsPerEm / unitsPerEm));
        }
        m_ascent = static_cast<int>(std::lround(metrics.ascent * m_lineHeight / metrics.cell));
        if (m_size.width > 0)
            library.widthRatio = m_size.width * unitsPerEm / metrics.averageWidth / pixelsPerEm;
    } else {
        pixelsPerEm = m_lineHeight * unitsPerEm / metrics.cell;
    }
    pixelsPerEm = std::max(1.0, pixelsPerEm);
    const double horizontal = std::max(1.0, pixelsPerEm * library.widthRatio);
    if (FT_Set_Char_Size(face, ToFixed(horizontal), ToFixed(pixelsPerEm), 72, 72) != 0) {
        FT_Done_Face(face);
        return nullptr;
    }
    auto open = std::make_unique<OpenFace>();
    open->face = face;
    open->embolden = m_style.weight >= kBoldWeight && candidate.weight < kBoldWeight;
    open->slant = m_style.italic && !candidate.italic;
    library.faces[i] = std::move(open);
    return library.faces[i].get();
}

GlyphRef GlyphSource::Find(char32_t c) {
    for (std::size_t i = 0; i < m_faces->Count(); ++i) {
        if (!m_faces->Covers(i, c)) continue;
        OpenFace* open = Open(i);
        if (!open) continue;
        const FT_UInt index = FT_Get_Char_Index(open->face, c);
        if (index != 0) return {i, index};
    }
    return {0, 0};
}

bool GlyphSource::Render(GlyphRef glyph, GlyphImage* image) {
    *image = GlyphImage{};
    OpenFace* open = Open(glyph.face);
    if (!open) return false;
    const FT_Int32 target = m_style.antialiased ? FT_LOAD_TARGET_LIGHT : FT_LOAD_TARGET_MONO;
    // Outlines only: emboldening and slanting work on them, and every size looks alike.
    if (FT_Load_Glyph(open->face, glyph.index, FT_LOAD_NO_BITMAP | target) != 0) return false;
    FT_GlyphSlot slot = open->face->glyph;
    if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return false;
    if (open->slant) FT_GlyphSlot_Oblique(slot);
    if (open->embolden) FT_GlyphSlot_Embolden(slot);
    const FT_Render_Mode mode = m_style.antialiased ? FT_RENDER_MODE_NORMAL : FT_RENDER_MODE_MONO;
    if (FT_Render_Glyph(slot, mode) != 0) return false;
    CopyBitmap(slot->bitmap, image);
    image->left = slot->bitmap_left;
    image->top = slot->bitmap_top;
    image->advance = static_cast<int>((slot->advance.x + 32) >> 6);
    return true;
}

bool GlyphSource::Emboldened(std::size_t face) const {
    return face < m_library->faces.size() && m_library->faces[face] &&
           m_library->faces[face]->embolden;
}

bool GlyphSource::Slanted(std::size_t face) const {
    return face < m_library->faces.size() && m_library->faces[face] &&
           m_library->faces[face]->slant;
}

}  // namespace d3dx9
