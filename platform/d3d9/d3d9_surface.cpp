#include "platform/d3d9/d3d9_surface.h"

#include "platform/d3d9/d3d9_device.h"
#include "platform/d3d9/d3d9_texture.h"

namespace d3d9gl {

Surface::Surface(Kind kind, Device* device, UINT width, UINT height, D3DFORMAT format)
    : m_kind(kind), m_device(device), m_width(width), m_height(height), m_format(format) {}

Surface* Surface::CreateBackBuffer(Device* device, UINT width, UINT height, D3DFORMAT format,
                                   D3DFORMAT depthFormat) {
    auto* surface = new Surface(Kind::BackBuffer, device, width, height, format);
    surface->m_depthFormat = depthFormat;
    device->MakeCurrent();
    glGenTextures(1, &surface->m_color);
    device->Gl().Texture(Device::kUploadUnit, surface->m_color);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, static_cast<GLsizei>(width),
                 static_cast<GLsizei>(height), 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
    glGenFramebuffers(1, &surface->m_framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, surface->m_framebuffer);
    device->Gl().DrawFramebuffer(surface->m_framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, surface->m_color,
                           0);
    if (depthFormat != D3DFMT_UNKNOWN) {
        const bool stencil = depthFormat == D3DFMT_D24S8;
        glGenRenderbuffers(1, &surface->m_depth);
        glBindRenderbuffer(GL_RENDERBUFFER, surface->m_depth);
        glRenderbufferStorage(GL_RENDERBUFFER, stencil ? GL_DEPTH24_STENCIL8 : GL_DEPTH_COMPONENT16,
                              static_cast<GLsizei>(width), static_cast<GLsizei>(height));
        glFramebufferRenderbuffer(GL_FRAMEBUFFER,
                                  stencil ? GL_DEPTH_STENCIL_ATTACHMENT : GL_DEPTH_ATTACHMENT,
                                  GL_RENDERBUFFER, surface->m_depth);
    }
    if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE ||
        glGetError() != GL_NO_ERROR) {
        surface->DestroyOwned();
        return nullptr;
    }
    return surface;
}

Surface* Surface::CreateTextureLevel(Texture* texture, UINT level) {
    D3DSURFACE_DESC desc{};
    texture->GetLevelDesc(level, &desc);
    auto* surface = new Surface(Kind::TextureLevel, texture->OwnerDevice(), desc.Width, desc.Height,
                                desc.Format);
    surface->m_texture = texture;
    surface->m_level = level;
    return surface;
}

HRESULT Surface::CreateSystemMemory(Device* device, UINT width, UINT height, D3DFORMAT format,
                                    Surface** surface) {
    if (format != D3DFMT_A8R8G8B8 && format != D3DFMT_X8R8G8B8) return D3DERR_NOTAVAILABLE;
    if (width == 0 || height == 0 || width > 16384 || height > 16384) return D3DERR_INVALIDCALL;
    auto* created = new Surface(Kind::SystemMemory, device, width, height, format);
    created->m_bytes.assign(static_cast<size_t>(width) * height * 4, 0);
    device->AddRef();
    device->AddRefPrivate();
    *surface = created;
    return D3D_OK;
}

void Surface::DestroyOwned() {
    delete this;
}

Surface::~Surface() {
    if (m_kind == Kind::SystemMemory) m_device->ReleasePrivate();
    if (m_kind != Kind::BackBuffer) return;
    m_device->MakeCurrent();
    if (m_framebuffer) {
        m_device->Gl().DrawFramebuffer(0);
        glDeleteFramebuffers(1, &m_framebuffer);
    }
    if (m_depth) glDeleteRenderbuffers(1, &m_depth);
    if (m_color) {
        m_device->Gl().Texture(Device::kUploadUnit, 0);
        glDeleteTextures(1, &m_color);
    }
}

// A surface that stands alone holds its device; an owned one lives as long as its container.
void Surface::OnFirstPublicReference() {
    if (m_kind == Kind::SystemMemory) m_device->AddRef();
}
void Surface::OnLastPublicReference() {
    if (m_kind == Kind::SystemMemory) m_device->Release();
}

ULONG Surface::AddRef() {
    switch (m_kind) {
        case Kind::BackBuffer:
            m_device->AddRef();
            return ++m_containerRefs;
        case Kind::TextureLevel:
            m_texture->AddRef();
            return ++m_containerRefs;
        default:
            return AddRefPublic();
    }
}

ULONG Surface::Release() {
    if (m_kind == Kind::SystemMemory) return ReleasePublic();
    if (m_containerRefs == 0) return 0;
    const ULONG remaining = --m_containerRefs;
    // The container may go with this release, and this surface with it.
    if (m_kind == Kind::BackBuffer)
        m_device->Release();
    else
        m_texture->Release();
    return remaining;
}

HRESULT Surface::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDirect3DResource9 || iid == IID_IDirect3DSurface9) {
        *object = static_cast<IDirect3DSurface9*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

HRESULT Surface::GetDevice(IDirect3DDevice9** device) {
    if (!device) return D3DERR_INVALIDCALL;
    m_device->AddRef();
    *device = m_device;
    return D3D_OK;
}

HRESULT Surface::GetDesc(D3DSURFACE_DESC* desc) {
    if (!desc) return D3DERR_INVALIDCALL;
    if (m_kind == Kind::TextureLevel) return m_texture->GetLevelDesc(m_level, desc);
    *desc = {m_format,
             D3DRTYPE_SURFACE,
             m_kind == Kind::BackBuffer ? D3DUSAGE_RENDERTARGET : 0u,
             m_kind == Kind::BackBuffer ? D3DPOOL_DEFAULT : D3DPOOL_SYSTEMMEM,
             D3DMULTISAMPLE_NONE,
             0,
             m_width,
             m_height};
    return D3D_OK;
}

HRESULT Surface::LockRect(D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags) {
    if (m_kind == Kind::TextureLevel) return m_texture->LockRect(m_level, locked, rect, flags);
    // The back buffer lives only in video memory; read it back with GetRenderTargetData.
    if (!locked || m_kind != Kind::SystemMemory || m_locked) return D3DERR_INVALIDCALL;
    RECT r{0, 0, static_cast<LONG>(m_width), static_cast<LONG>(m_height)};
    if (rect) {
        if (rect->left < 0 || rect->top < 0 || rect->right > r.right || rect->bottom > r.bottom ||
            rect->left >= rect->right || rect->top >= rect->bottom)
            return D3DERR_INVALIDCALL;
        r = *rect;
    }
    locked->Pitch = static_cast<INT>(Pitch());
    locked->pBits =
        m_bytes.data() + static_cast<size_t>(r.top) * Pitch() + static_cast<size_t>(r.left) * 4;
    m_locked = true;
    return D3D_OK;
}

HRESULT Surface::UnlockRect() {
    if (m_kind == Kind::TextureLevel) return m_texture->UnlockRect(m_level);
    if (!m_locked) return D3DERR_INVALIDCALL;
    m_locked = false;
    return D3D_OK;
}

}  // namespace d3d9gl
