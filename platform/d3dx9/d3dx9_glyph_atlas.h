// Glyph images packed into square A8 textures of the device, shelf by shelf; a page that is
// full is followed by a new one.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/d3d9/d3d9.h"

namespace d3dx9 {

struct AtlasSlot {
    std::size_t page = 0;
    UINT x = 0;  // texel column and row of the image's top-left corner
    UINT y = 0;
};

class GlyphAtlas {
public:
    // Pages are pageSize texels square (a power of two); none is made yet.
    GlyphAtlas(IDirect3DDevice9* device, UINT pageSize);
    ~GlyphAtlas();  // releases every page
    GlyphAtlas(const GlyphAtlas&) = delete;
    GlyphAtlas& operator=(const GlyphAtlas&) = delete;

    // Makes a new page, on which the next images go.
    HRESULT AddPage();
    // Copies a width × height coverage image (rows from the top) onto a page. False when it is
    // larger than a page, or a page it needs cannot be made or written.
    bool Place(UINT width, UINT height, const std::uint8_t* coverage, AtlasSlot* slot);

    UINT PageSize() const { return m_pageSize; }
    std::size_t PageCount() const { return m_pages.size(); }
    IDirect3DTexture9* Page(std::size_t page) const { return m_pages[page]; }

private:
    bool Upload(std::size_t page, UINT x, UINT y, UINT width, UINT height,
                const std::uint8_t* coverage);

    IDirect3DDevice9* m_device;  // not referenced: the font holds the device
    UINT m_pageSize;
    std::vector<IDirect3DTexture9*> m_pages;
    // The open shelf on the last page: images go left to right along it.
    UINT m_shelfX = 0;
    UINT m_shelfY = 0;
    UINT m_shelfHeight = 0;
};

}  // namespace d3dx9
