// ID3DXFont over FreeType glyphs cached in the device's textures: a text is decoded from code
// page 932, laid out from its rectangle's corner, and drawn as one batch of glyph quads per
// atlas page, with the device's states put back afterwards.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/d3dx9/d3dx9.h"
#include "platform/d3dx9/d3dx9_font_pipeline.h"
#include "platform/d3dx9/d3dx9_glyph_atlas.h"
#include "platform/d3dx9/d3dx9_glyph_cache.h"
#include "platform/d3dx9/d3dx9_glyph_source.h"
#include "platform/d3dx9/d3dx9_text_layout.h"

namespace d3dx9 {

// D3DXCreateFontA's arguments, the face name decoded to UTF-8.
struct FontDescription {
    INT height = 0;
    UINT width = 0;
    UINT weight = 0;
    BOOL italic = FALSE;
    DWORD quality = 0;
    DWORD pitchAndFamily = 0;
    std::string faceName;
};

class Font final : public ID3DXFont {
public:
    // Fails with D3DERR_NOTAVAILABLE when no usable face covering Japanese can be had, or with
    // the device's result when its resources cannot be made.
    static HRESULT Create(IDirect3DDevice9* device, const FontDescription& description,
                          Font** font);

    HRESULT QueryInterface(REFIID iid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    INT DrawTextA(ID3DXSprite* sprite, LPCSTR text, INT count, RECT* rect, DWORD format,
                  D3DCOLOR color) override;
    HRESULT GetDevice(IDirect3DDevice9** device) override;

    // The glyphs and their faces, for looking at what was chosen.
    GlyphSource& Glyphs() { return *m_source; }
    const GlyphAtlas& Atlas() const { return m_atlas; }

    // The formats DrawTextA honours; any other bit makes it refuse the text.
    static constexpr DWORD kSupportedFormats =
        DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM | DT_SINGLELINE | DT_NOCLIP | DT_CALCRECT;

private:
    Font(IDirect3DDevice9* device, std::unique_ptr<GlyphSource> source, UINT pageSize);
    ~Font();

    // Makes the vertices of the laid-out text, its first line's top at top, one batch per
    // atlas page; with clip, what lies outside area is cut away.
    void BuildBatches(const RECT& area, std::int64_t top, DWORD format, D3DCOLOR color, bool clip);
    const std::u32string& Decode(LPCSTR text, INT count, bool* ok);

    ULONG m_references = 1;
    IDirect3DDevice9* m_device;  // one reference, given back with the font
    std::unique_ptr<GlyphSource> m_source;
    GlyphAtlas m_atlas;
    GlyphCache m_cache;
    FontPipeline m_pipeline;

    // Kept from draw to draw, so that drawing allocates only while they grow. The program
    // draws each text several times in a row: its decoding is kept too.
    std::string m_lastText;
    bool m_lastTextValid = false;
    std::u32string m_decoded;
    TextLayout m_layout;
    std::vector<std::vector<TextVertex>> m_batches;  // by atlas page
};

}  // namespace d3dx9
