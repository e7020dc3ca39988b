#include "platform/d3dx9/d3dx9_glyph_atlas.h"

#include <cstring>

namespace d3dx9 {

namespace {

// Texels left empty between images, so that no image ever samples its neighbour.
constexpr UINT kGap = 1;

}  // namespace

GlyphAtlas::GlyphAtlas(IDirect3DDevice9* device, UINT pageSize)
    : m_device(device), m_pageSize(pageSize) {}

GlyphAtlas::~GlyphAtlas() {
    for (IDirect3DTexture9* page : m_pages) page->Release();
}

HRESULT GlyphAtlas::AddPage() {
    IDirect3DTexture9* page = nullptr;
    const HRESULT hr = m_device->CreateTexture(m_pageSize, m_pageSize, 1, 0, D3DFMT_A8,
                                               D3DPOOL_MANAGED, &page, nullptr);
    if (FAILED(hr)) return hr;
    m_pages.push_back(page);
    m_shelfX = m_shelfY = m_shelfHeight = 0;
    return D3D_OK;
}

bool GlyphAtlas::Place(UINT width, UINT height, const std::uint8_t* coverage, AtlasSlot* slot) {
    if (width == 0 || height == 0 || width > m_pageSize || height > m_pageSize) return false;
    if (m_pages.empty() && FAILED(AddPage())) return false;
    if (m_shelfX + width > m_pageSize) {
        // The next shelf starts below the tallest image of this one.
        m_shelfY += m_shelfHeight + kGap;
        m_shelfX = 0;
        m_shelfHeight = 0;
    }
    if (m_shelfY + height > m_pageSize && FAILED(AddPage())) return false;
    const std::size_t page = m_pages.size() - 1;
    if (!Upload(page, m_shelfX, m_shelfY, width, height, coverage)) return false;
    *slot = {page, m_shelfX, m_shelfY};
    m_shelfX += width + kGap;
    if (height > m_shelfHeight) m_shelfHeight = height;
    return true;
}

bool GlyphAtlas::Upload(std::size_t page, UINT x, UINT y, UINT width, UINT height,
                        const std::uint8_t* coverage) {
    // Locking just the image's rectangle uploads just that part of the page.
    const RECT rect{static_cast<LONG>(x), static_cast<LONG>(y), static_cast<LONG>(x + width),
                    static_cast<LONG>(y + height)};
    D3DLOCKED_RECT locked{};
    if (FAILED(m_pages[page]->LockRect(0, &locked, &rect, 0))) return false;
    for (UINT row = 0; row < height; ++row)
        std::memcpy(static_cast<BYTE*>(locked.pBits) + static_cast<size_t>(row) * locked.Pitch,
                    coverage + static_cast<size_t>(row) * width, width);
    return SUCCEEDED(m_pages[page]->UnlockRect(0));
}

}  // namespace d3dx9
