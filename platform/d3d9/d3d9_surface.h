// A surface: the device's back buffer (a render target with its depth buffer), a level of a
// texture, or an offscreen plain surface in system memory that read-back copies into.
#pragma once

#include <epoxy/gl.h>

#include <vector>

#include "platform/d3d9/d3d9_object.h"

namespace d3d9gl {

class Device;
class Texture;

class Surface final : public IDirect3DSurface9, public Object {
public:
    // The back buffer of a device, owned by it: references to it are references to the device.
    static Surface* CreateBackBuffer(Device* device, UINT width, UINT height, D3DFORMAT format,
                                     D3DFORMAT depthFormat);
    // A level of a texture, owned by it: references to it are references to the texture.
    static Surface* CreateTextureLevel(Texture* texture, UINT level);
    static HRESULT CreateSystemMemory(Device* device, UINT width, UINT height, D3DFORMAT format,
                                      Surface** surface);
    // Destroys a surface owned by a container, when the container goes.
    void DestroyOwned();

    HRESULT QueryInterface(REFIID iid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;

    HRESULT GetDevice(IDirect3DDevice9** device) override;
    D3DRESOURCETYPE GetType() override { return D3DRTYPE_SURFACE; }
    HRESULT GetDesc(D3DSURFACE_DESC* desc) override;
    HRESULT LockRect(D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags) override;
    HRESULT UnlockRect() override;

    bool IsRenderTarget() const { return m_kind == Kind::BackBuffer; }
    bool IsSystemMemory() const { return m_kind == Kind::SystemMemory; }
    Device* OwnerDevice() const { return m_device; }
    GLuint Framebuffer() const { return m_framebuffer; }
    bool HasDepth() const { return m_depth != 0; }
    bool HasStencil() const { return m_depthFormat == D3DFMT_D24S8; }
    UINT Width() const { return m_width; }
    UINT Height() const { return m_height; }
    D3DFORMAT Format() const { return m_format; }
    // System memory: the pixel rows, top down, m_width × 4 bytes each.
    BYTE* Bytes() { return m_bytes.data(); }
    UINT Pitch() const { return m_width * 4; }

private:
    enum class Kind { BackBuffer, TextureLevel, SystemMemory };

    Surface(Kind kind, Device* device, UINT width, UINT height, D3DFORMAT format);
    ~Surface() override;
    void OnFirstPublicReference() override;
    void OnLastPublicReference() override;

    Kind m_kind;
    Device* m_device;
    Texture* m_texture = nullptr;  // for a texture level
    UINT m_level = 0;
    UINT m_width;
    UINT m_height;
    D3DFORMAT m_format;
    D3DFORMAT m_depthFormat = D3DFMT_UNKNOWN;
    ULONG m_containerRefs = 0;  // references handed out for an owned surface
    GLuint m_framebuffer = 0;
    GLuint m_color = 0;
    GLuint m_depth = 0;
    std::vector<BYTE> m_bytes;
    bool m_locked = false;
};

}  // namespace d3d9gl
