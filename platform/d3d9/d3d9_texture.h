// A 2D texture with its chain of levels. Every level keeps a copy of its bytes in memory (what
// a managed texture has); a lock hands out that copy and the unlock uploads what was locked.
#pragma once

#include <epoxy/gl.h>

#include <memory>
#include <vector>

#include "platform/d3d9/d3d9_object.h"
#include "platform/d3d9/d3d9_util.h"

namespace d3d9gl {

class Device;
class Surface;

class Texture final : public IDirect3DTexture9, public Object {
public:
    static HRESULT Create(Device* device, UINT width, UINT height, UINT levels, DWORD usage,
                          D3DFORMAT format, D3DPOOL pool, Texture** texture);

    HRESULT QueryInterface(REFIID iid, void** object) override;
    D3D9GL_OBJECT_REFCOUNT

    HRESULT GetDevice(IDirect3DDevice9** device) override;
    D3DRESOURCETYPE GetType() override { return D3DRTYPE_TEXTURE; }
    DWORD GetLevelCount() override { return static_cast<DWORD>(m_levels.size()); }
    HRESULT GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) override;
    HRESULT GetSurfaceLevel(UINT level, IDirect3DSurface9** surface) override;
    HRESULT LockRect(UINT level, D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags) override;
    HRESULT UnlockRect(UINT level) override;

    Device* OwnerDevice() const { return m_device; }
    GLuint Name() const { return m_name; }

private:
    struct Level {
        UINT width;
        UINT height;
        std::vector<BYTE> bytes;
        bool locked = false;
        RECT lockedRect{};
        Surface* surface = nullptr;  // made on first GetSurfaceLevel, owned here
    };

    Texture(Device* device, D3DFORMAT format, DWORD usage, D3DPOOL pool);
    ~Texture() override;
    void OnFirstPublicReference() override;
    void OnLastPublicReference() override;
    void Upload(UINT level, const RECT& rect);

    Device* m_device;
    D3DFORMAT m_format;
    DWORD m_usage;
    D3DPOOL m_pool;
    FormatInfo m_info;
    GLuint m_name = 0;
    std::vector<Level> m_levels;
};

}  // namespace d3d9gl
