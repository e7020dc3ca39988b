#include "platform/d3d9/d3d9_texture.h"

#include "platform/d3d9/d3d9_device.h"
#include "platform/d3d9/d3d9_surface.h"

namespace d3d9gl {

HRESULT Texture::Create(Device* device, UINT width, UINT height, UINT levels, DWORD usage,
                        D3DFORMAT format, D3DPOOL pool, Texture** texture) {
    const FormatInfo info = DecodeFormat(format);
    if (!info.supported) return D3DERR_NOTAVAILABLE;
    if (width == 0 || height == 0 || width > device->MaxTextureSize() ||
        height > device->MaxTextureSize())
        return D3DERR_INVALIDCALL;
    // Textures are sampled, never rendered into.
    if (usage & (D3DUSAGE_RENDERTARGET | D3DUSAGE_DEPTHSTENCIL)) return D3DERR_NOTAVAILABLE;
    if (pool != D3DPOOL_DEFAULT && pool != D3DPOOL_MANAGED && pool != D3DPOOL_SYSTEMMEM &&
        pool != D3DPOOL_SCRATCH)
        return D3DERR_INVALIDCALL;
    const UINT full = FullMipChainLength(width, height);
    if (levels == 0 || levels > full) levels = full;

    auto* created = new Texture(device, format, usage, pool);
    device->MakeCurrent();
    glGenTextures(1, &created->m_name);
    device->Gl().Texture(Device::kUploadUnit, created->m_name);
    // The level count is fixed at creation, so the texture is complete whatever the sampler's
    // mip filter, as Direct3D's always is.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, static_cast<GLint>(levels - 1));
    glTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_RGBA, info.swizzle);
    created->m_levels.reserve(levels);
    UINT w = width, h = height;
    for (UINT level = 0; level < levels; ++level) {
        Level l;
        l.width = w;
        l.height = h;
        l.bytes.assign(static_cast<size_t>(w) * h * info.bytesPerPixel, 0);
        glTexImage2D(GL_TEXTURE_2D, static_cast<GLint>(level),
                     static_cast<GLint>(info.internalFormat), static_cast<GLsizei>(w),
                     static_cast<GLsizei>(h), 0, info.uploadFormat, info.uploadType,
                     l.bytes.data());
        created->m_levels.push_back(std::move(l));
        w = w > 1 ? w / 2 : 1;
        h = h > 1 ? h / 2 : 1;
    }
    if (glGetError() != GL_NO_ERROR) {
        created->Release();
        return D3DERR_OUTOFVIDEOMEMORY;
    }
    *texture = created;
    return D3D_OK;
}

Texture::Texture(Device* device, D3DFORMAT format, DWORD usage, D3DPOOL pool)
    : m_device(device),
      m_format(format),
      m_usage(usage),
      m_pool(pool),
      m_info(DecodeFormat(format)) {
    m_device->AddRef();
    m_device->AddRefPrivate();  // until the OpenGL texture is gone
}

Texture::~Texture() {
    for (Level& level : m_levels)
        if (level.surface) level.surface->DestroyOwned();
    if (m_name) {
        m_device->MakeCurrent();
        m_device->Gl().Texture(Device::kUploadUnit, 0);
        glDeleteTextures(1, &m_name);
    }
    m_device->ReleasePrivate();
}

void Texture::OnFirstPublicReference() {
    m_device->AddRef();
}
void Texture::OnLastPublicReference() {
    m_device->Release();
}

HRESULT Texture::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDirect3DResource9 || iid == IID_IDirect3DBaseTexture9 ||
        iid == IID_IDirect3DTexture9) {
        *object = static_cast<IDirect3DTexture9*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

HRESULT Texture::GetDevice(IDirect3DDevice9** device) {
    if (!device) return D3DERR_INVALIDCALL;
    m_device->AddRef();
    *device = m_device;
    return D3D_OK;
}

HRESULT Texture::GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) {
    if (!desc || level >= m_levels.size()) return D3DERR_INVALIDCALL;
    *desc = {m_format,
             D3DRTYPE_SURFACE,
             m_usage,
             m_pool,
             D3DMULTISAMPLE_NONE,
             0,
             m_levels[level].width,
             m_levels[level].height};
    return D3D_OK;
}

HRESULT Texture::GetSurfaceLevel(UINT level, IDirect3DSurface9** surface) {
    if (!surface) return D3DERR_INVALIDCALL;
    *surface = nullptr;
    if (level >= m_levels.size()) return D3DERR_INVALIDCALL;
    Level& l = m_levels[level];
    if (!l.surface) l.surface = Surface::CreateTextureLevel(this, level);
    l.surface->AddRef();
    *surface = l.surface;
    return D3D_OK;
}

HRESULT Texture::LockRect(UINT level, D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags) {
    if (!locked || level >= m_levels.size()) return D3DERR_INVALIDCALL;
    Level& l = m_levels[level];
    if (l.locked) return D3DERR_INVALIDCALL;
    RECT r{0, 0, static_cast<LONG>(l.width), static_cast<LONG>(l.height)};
    if (rect) {
        if (rect->left < 0 || rect->top < 0 || rect->right > r.right || rect->bottom > r.bottom ||
            rect->left >= rect->right || rect->top >= rect->bottom)
            return D3DERR_INVALIDCALL;
        r = *rect;
    }
    const UINT pitch = l.width * m_info.bytesPerPixel;
    locked->Pitch = static_cast<INT>(pitch);
    locked->pBits = l.bytes.data() + static_cast<size_t>(r.top) * pitch +
                    static_cast<size_t>(r.left) * m_info.bytesPerPixel;
    l.locked = true;
    // A read-only lock changes nothing, so its unlock has nothing to upload.
    l.lockedRect = (flags & D3DLOCK_READONLY) ? RECT{0, 0, 0, 0} : r;
    return D3D_OK;
}

HRESULT Texture::UnlockRect(UINT level) {
    if (level >= m_levels.size() || !m_levels[level].locked) return D3DERR_INVALIDCALL;
    Level& l = m_levels[level];
    l.locked = false;
    if (l.lockedRect.right > l.lockedRect.left) Upload(level, l.lockedRect);
    return D3D_OK;
}

void Texture::Upload(UINT level, const RECT& r) {
    const Level& l = m_levels[level];
    m_device->MakeCurrent();
    m_device->Gl().Texture(Device::kUploadUnit, m_name);
    // Rows go up in Direct3D's order: the first row of the level is texture row 0, which
    // texture coordinate v = 0 addresses, as in Direct3D.
    glPixelStorei(GL_UNPACK_ROW_LENGTH, static_cast<GLint>(l.width));
    const BYTE* first =
        l.bytes.data() +
        (static_cast<size_t>(r.top) * l.width + static_cast<size_t>(r.left)) * m_info.bytesPerPixel;
    glTexSubImage2D(GL_TEXTURE_2D, static_cast<GLint>(level), r.left, r.top, r.right - r.left,
                    r.bottom - r.top, m_info.uploadFormat, m_info.uploadType, first);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

}  // namespace d3d9gl
