// D3DXCreateFontA alone, so that a test program can put its own in its place.
#include "platform/d3dx9/d3dx9.h"
#include "platform/d3dx9/d3dx9_font.h"
#include "platform/d3dx9/d3dx9_text_decode.h"

namespace {

// Larger glyphs would no longer fit the atlas pages a device offers.
constexpr INT kMaxHeight = 1024;

}  // namespace

HRESULT D3DXCreateFontA(IDirect3DDevice9* device, INT height, UINT width, UINT weight, UINT,
                        BOOL italic, DWORD, DWORD, DWORD quality, DWORD pitchAndFamily,
                        LPCSTR faceName, ID3DXFont** font) {
    if (font) *font = nullptr;
    if (!device || !font || height == 0 || height > kMaxHeight || height < -kMaxHeight)
        return D3DERR_INVALIDCALL;
    d3dx9::FontDescription description;
    description.height = height;
    description.width = width;
    description.weight = weight;
    description.italic = italic;
    description.quality = quality;
    description.pitchAndFamily = pitchAndFamily;
    if (faceName) {
        std::u32string name;
        if (!d3dx9::DecodeCp932(faceName, -1, &name)) return D3DERR_INVALIDCALL;
        description.faceName = d3dx9::EncodeUtf8(name);
    }
    d3dx9::Font* created = nullptr;
    const HRESULT hr = d3dx9::Font::Create(device, description, &created);
    if (SUCCEEDED(hr)) *font = created;
    return hr;
}
