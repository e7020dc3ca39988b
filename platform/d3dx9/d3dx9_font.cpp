#include "platform/d3dx9/d3dx9_font.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/d3dx9/d3dx9_font_states.h"
#include "platform/d3dx9/d3dx9_text_decode.h"

namespace d3dx9 {

namespace {

constexpr UINT kMinimumPageSize = 512;

// Square pages of a power of two that hold a few rows of the largest glyphs, within what the
// device's textures allow.
UINT PageSizeFor(IDirect3DDevice9* device, int lineHeight) {
    D3DCAPS9 caps{};
    UINT limit = 2048;
    if (SUCCEEDED(device->GetDeviceCaps(&caps)))
        limit = std::max<UINT>(1, std::min(caps.MaxTextureWidth, caps.MaxTextureHeight));
    const UINT wanted = std::max<UINT>(kMinimumPageSize, static_cast<UINT>(lineHeight) * 4);
    UINT size = 1;
    while (size < wanted && size <= limit / 2) size *= 2;
    while (size > limit) size /= 2;
    return size;
}

LONG ClampToLong(std::int64_t value) {
    return static_cast<LONG>(
        std::min<std::int64_t>(std::max<std::int64_t>(value, INT32_MIN), INT32_MAX));
}

void AppendQuad(float left, float top, float right, float bottom, float u0, float v0, float u1,
                float v1, D3DCOLOR color, std::vector<TextVertex>* batch) {
    const TextVertex a{left, top, 0.0f, 1.0f, color, u0, v0};
    const TextVertex b{right, top, 0.0f, 1.0f, color, u1, v0};
    const TextVertex c{left, bottom, 0.0f, 1.0f, color, u0, v1};
    const TextVertex d{right, bottom, 0.0f, 1.0f, color, u1, v1};
    batch->insert(batch->end(), {a, b, c, b, d, c});
}

}  // namespace

Font::Font(IDirect3DDevice9* device, std::unique_ptr<GlyphSource> source, UINT pageSize)
    : m_device(device),
      m_source(std::move(source)),
      m_atlas(device, pageSize),
      m_cache(*m_source, m_atlas) {
    m_device->AddRef();
}

Font::~Font() {
    // The atlas and the pipeline give their device objects back before the device goes.
    m_device->Release();
}

HRESULT Font::Create(IDirect3DDevice9* device, const FontDescription& description, Font** font) {
    if (!device || !font) return D3DERR_INVALIDCALL;
    *font = nullptr;
    FaceRequest request;
    request.family = description.faceName;
    request.weight =
        description.weight == 0 ? FW_NORMAL : static_cast<int>(std::min(description.weight, 1000u));
    request.italic = description.italic != FALSE;
    request.pitchAndFamily = description.pitchAndFamily;
    std::unique_ptr<FaceMatch> faces = FaceMatch::Find(request);
    if (!faces) return D3DERR_NOTAVAILABLE;

    GlyphStyle style;
    style.weight = request.weight;
    style.italic = request.italic;
    style.antialiased = description.quality != NONANTIALIASED_QUALITY;
    std::unique_ptr<GlyphSource> source =
        GlyphSource::Create(std::move(faces), {description.height, description.width}, style);
    if (!source) return D3DERR_NOTAVAILABLE;

    const UINT pageSize = PageSizeFor(device, source->LineHeight());
    Font* created = new Font(device, std::move(source), pageSize);
    HRESULT hr = created->m_pipeline.Create(device);
    if (SUCCEEDED(hr)) hr = created->m_atlas.AddPage();
    if (FAILED(hr)) {
        created->Release();
        return hr;
    }
    *font = created;
    return D3D_OK;
}

HRESULT Font::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid != IID_IUnknown && iid != IID_ID3DXFont) return E_NOINTERFACE;
    *object = static_cast<ID3DXFont*>(this);
    AddRef();
    return S_OK;
}

ULONG Font::AddRef() {
    return ++m_references;
}

ULONG Font::Release() {
    if (m_references == 0) return 0;  // a release too many: nothing is left to give up
    const ULONG remaining = --m_references;
    if (remaining == 0) delete this;
    return remaining;
}

HRESULT Font::GetDevice(IDirect3DDevice9** device) {
    if (!device) return D3DERR_INVALIDCALL;
    m_device->AddRef();
    *device = m_device;
    return D3D_OK;
}

const std::u32string& Font::Decode(LPCSTR text, INT count, bool* ok) {
    const std::size_t size = count == -1 ? std::strlen(text) : static_cast<std::size_t>(count);
    *ok = true;
    if (m_lastTextValid && m_lastText.size() == size &&
        std::memcmp(m_lastText.data(), text, size) == 0)
        return m_decoded;
    m_lastTextValid = false;
    if (!DecodeCp932(text, static_cast<int>(size), &m_decoded)) {
        *ok = false;
        m_decoded.clear();
        return m_decoded;
    }
    m_lastText.assign(text, size);
    m_lastTextValid = true;
    return m_decoded;
}

void Font::BuildBatches(const RECT& area, std::int64_t top, DWORD format, D3DCOLOR color,
                        bool clip) {
    for (auto& batch : m_batches) batch.clear();
    if (m_batches.size() < m_atlas.PageCount()) m_batches.resize(m_atlas.PageCount());

    D3DVIEWPORT9 viewport{};
    m_device->GetViewport(&viewport);
    if (viewport.Width == 0 || viewport.Height == 0) return;
    // Pixel edges to Direct3D clip space, with the half-pixel shift that makes a quad on
    // whole pixels cover exactly those pixels.
    const double kx = 2.0 / viewport.Width, ky = -2.0 / viewport.Height;
    const double originX = viewport.X + 0.5, originY = viewport.Y + 0.5;
    const double texel = 1.0 / m_atlas.PageSize();

    // In 64 bits: no rectangle, however far out, overflows.
    const std::int64_t areaWidth = std::int64_t{area.right} - area.left;

    for (const LaidGlyph& laid : m_layout.glyphs) {
        const std::int64_t lineWidth = m_layout.lineWidths[laid.line];
        std::int64_t left = area.left;
        if (format & DT_RIGHT)
            left += areaWidth - lineWidth;
        else if (format & DT_CENTER)
            left += (areaWidth - lineWidth) / 2;

        const CachedGlyph& g = laid.glyph;
        // Whole pixels: the same text drawn a pixel apart is the same image a pixel apart.
        std::int64_t x0 = left + laid.x + g.left;
        std::int64_t y0 = top + laid.baseline - g.top;
        std::int64_t x1 = x0 + g.width;
        std::int64_t y1 = y0 + g.height;
        std::int64_t tx = g.slot.x, ty = g.slot.y;
        if (clip) {
            const std::int64_t cx0 = std::max<std::int64_t>(x0, area.left);
            const std::int64_t cy0 = std::max<std::int64_t>(y0, area.top);
            const std::int64_t cx1 = std::min<std::int64_t>(x1, area.right);
            const std::int64_t cy1 = std::min<std::int64_t>(y1, area.bottom);
            if (cx0 >= cx1 || cy0 >= cy1) continue;
            tx += cx0 - x0;
            ty += cy0 - y0;
            x0 = cx0;
            y0 = cy0;
            x1 = cx1;
            y1 = cy1;
        }
        const std::int64_t tw = x1 - x0, th = y1 - y0;
        AppendQuad(static_cast<float>((x0 - originX) * kx - 1.0),
                   static_cast<float>((y0 - originY) * ky + 1.0),
                   static_cast<float>((x1 - originX) * kx - 1.0),
                   static_cast<float>((y1 - originY) * ky + 1.0), static_cast<float>(tx * texel),
                   static_cast<float>(ty * texel), static_cast<float>((tx + tw) * texel),
                   static_cast<float>((ty + th) * texel), color, &m_batches[g.slot.page]);
    }
}

INT Font::DrawTextA(ID3DXSprite* sprite, LPCSTR text, INT count, RECT* rect, DWORD format,
                    D3DCOLOR color) {
    // Sprites are not offered, and formats other than those listed are refused.
    if (sprite || !text || count < -1 || (format & ~kSupportedFormats)) return 0;
    if ((format & DT_CALCRECT) && !rect) return 0;
    bool decoded = false;
    const std::u32string& codePoints = Decode(text, count, &decoded);
    if (!decoded) return 0;

    LayOutText(codePoints, (format & DT_SINGLELINE) != 0, m_source->LineHeight(),
               m_source->Ascent(), m_cache, &m_layout);
    if (format & DT_CALCRECT) {
        rect->right = ClampToLong(std::int64_t{rect->left} + m_layout.width);
        rect->bottom = ClampToLong(std::int64_t{rect->top} + m_layout.height);
        return ClampToLong(m_layout.height);
    }
    if (m_layout.height == 0) return 0;

    // Without a rectangle the text starts at the target's corner, unclipped.
    const RECT area = rect ? *rect : RECT{0, 0, 0, 0};
    const bool clip = rect && !(format & DT_NOCLIP);
    // Aligned to the bottom or the middle, the text moves down from the rectangle's top, and
    // the height returned reaches from that top to the text's bottom.
    std::int64_t offset = 0;
    const std::int64_t areaHeight = std::int64_t{area.bottom} - area.top;
    if (format & DT_BOTTOM)
        offset = areaHeight - m_layout.height;
    else if (format & DT_VCENTER)
        offset = (areaHeight - m_layout.height) / 2;
    const INT drawnHeight = ClampToLong(offset + m_layout.height);
    BuildBatches(area, area.top + offset, format, color, clip);

    bool anything = false;
    for (const auto& batch : m_batches) anything = anything || !batch.empty();
    if (!anything) return drawnHeight;

    IDirect3DDevice9Gl* gl = nullptr;
    if (FAILED(m_device->QueryInterface(IID_IDirect3DDevice9Gl, reinterpret_cast<void**>(&gl))))
        return 0;
    bool drawn = true;
    {
        FontDrawStates states(m_device, gl, m_pipeline);
        for (std::size_t page = 0; page < m_batches.size(); ++page) {
            const std::vector<TextVertex>& batch = m_batches[page];
            if (batch.empty()) continue;
            m_device->SetTexture(FontPipeline::kStage, m_atlas.Page(page));
            drawn = SUCCEEDED(m_device->DrawPrimitiveUP(D3DPT_TRIANGLELIST,
                                                        static_cast<UINT>(batch.size() / 3),
                                                        batch.data(), sizeof(TextVertex))) &&
                    drawn;
        }
    }
    gl->Release();
    return drawn ? drawnHeight : 0;
}

}  // namespace d3dx9
