#include "tools/imagegen/FontOutline.h"

#include <cstdint>
#include <cstdio>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

namespace {

bool DecodeUtf8(const std::string& text, std::vector<uint32_t>* codePoints) {
    size_t k = 0;
    while (k < text.size()) {
        const uint8_t lead = static_cast<uint8_t>(text[k]);
        int extra = 0;
        uint32_t cp = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            cp = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            cp = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            cp = lead & 0x07;
        } else {
            return false;
        }
        if (k + extra >= text.size()) return false;  // the sequence is cut off
        for (int e = 1; e <= extra; ++e) {
            const uint8_t next = static_cast<uint8_t>(text[k + e]);
            if ((next & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (next & 0x3F);
        }
        static const uint32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kSmallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        codePoints->push_back(cp);
        k += extra + 1;
    }
    return true;
}

// Receives the pieces of one glyph from FT_Outline_Decompose, shifted by the pen position.
struct DecomposeTarget {
    OutlineBuilder* builder;
    double penX;
    bool sawCubic;
};

Vec2 At(const FT_Vector* v, const DecomposeTarget* t) {
    return {static_cast<double>(v->x) + t->penX, static_cast<double>(v->y)};
}

int OnMove(const FT_Vector* to, void* user) {
    auto* t = static_cast<DecomposeTarget*>(user);
    t->builder->MoveTo(At(to, t));
    return 0;
}

int OnLine(const FT_Vector* to, void* user) {
    auto* t = static_cast<DecomposeTarget*>(user);
    t->builder->LineTo(At(to, t));
    return 0;
}

int OnConic(const FT_Vector* control, const FT_Vector* to, void* user) {
    auto* t = static_cast<DecomposeTarget*>(user);
    t->builder->QuadTo(At(control, t), At(to, t));
    return 0;
}

int OnCubic(const FT_Vector*, const FT_Vector*, const FT_Vector*, void* user) {
    static_cast<DecomposeTarget*>(user)->sawCubic = true;
    return 1;  // stops the decomposition
}

std::string HexCodePoint(uint32_t cp) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(cp));
    return text;
}

}  // namespace

bool LoadTextOutline(const TextOutlineRequest& request, TextOutline* result, std::string* error) {
    std::vector<uint32_t> codePoints;
    if (!DecodeUtf8(request.text, &codePoints)) {
        *error = "the text is not valid UTF-8";
        return false;
    }
    if (codePoints.empty()) {
        *error = "the text is empty";
        return false;
    }
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        *error = "cannot initialise FreeType";
        return false;
    }
    FT_Face face = nullptr;
    if (FT_New_Face(library, request.fontPath.c_str(), 0, &face) != 0) {
        *error = "cannot open font " + request.fontPath;
        FT_Done_FreeType(library);
        return false;
    }
    bool ok = true;
    if (!FT_IS_SCALABLE(face)) {
        *error = "font " + request.fontPath + " has no outlines";
        ok = false;
    }
    OutlineBuilder builder;
    double penX = 0.0;
    FT_UInt previous = 0;
    const FT_Outline_Funcs funcs = {OnMove, OnLine, OnConic, OnCubic, 0, 0};
    for (size_t k = 0; ok && k < codePoints.size(); ++k) {
        const FT_UInt index = FT_Get_Char_Index(face, codePoints[k]);
        if (index == 0) {
            *error =
                "font " + request.fontPath + " has no glyph for " + HexCodePoint(codePoints[k]);
            ok = false;
            break;
        }
        if (previous != 0 && FT_HAS_KERNING(face)) {
            FT_Vector kerning{0, 0};
            if (FT_Get_Kerning(face, previous, index, FT_KERNING_UNSCALED, &kerning) == 0) {
                penX += static_cast<double>(kerning.x);
            }
        }
        // Unscaled and unhinted: the outline exactly as the font stores it, in font units.
        if (FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) !=
                0 ||
            face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) {
            *error = "cannot load the outline of " + HexCodePoint(codePoints[k]);
            ok = false;
            break;
        }
        DecomposeTarget target{&builder, penX, false};
        const FT_Error decomposed = FT_Outline_Decompose(&face->glyph->outline, &funcs, &target);
        if (target.sawCubic) {
            *error =
                "font " + request.fontPath + " has cubic curves; only TrueType outlines are read";
            ok = false;
            break;
        }
        if (decomposed != 0) {
            *error = "cannot read the outline of " + HexCodePoint(codePoints[k]);
            ok = false;
            break;
        }
        builder.Close();
        penX += static_cast<double>(face->glyph->advance.x) + request.letterSpacing;
        previous = index;
    }
    if (ok) {
        result->outline = builder.Finish();
        result->unitsPerEm = face->units_per_EM;
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return ok;
}
