// The Direct3D object: what the OpenGL implementation offers, told as adapter 0's
// capabilities and identifier, and the devices made on it.
#pragma once

#include "platform/d3d9/d3d9_gl.h"
#include "platform/d3d9/d3d9_gl_context.h"
#include "platform/d3d9/d3d9_object.h"

namespace d3d9gl {

class Direct3D9 final : public IDirect3D9, public IDirect3D9Diagnostics, public Object {
public:
    // Null when no OpenGL implementation can be had at all.
    static Direct3D9* Create();

    HRESULT QueryInterface(REFIID iid, void** object) override;
    D3D9GL_OBJECT_REFCOUNT

    UINT GetAdapterCount() override { return 1; }
    HRESULT GetAdapterIdentifier(UINT adapter, DWORD flags,
                                 D3DADAPTER_IDENTIFIER9* identifier) override;
    HRESULT GetDeviceCaps(UINT adapter, D3DDEVTYPE type, D3DCAPS9* caps) override;
    HRESULT CreateDevice(UINT adapter, D3DDEVTYPE type, HWND focusWindow, DWORD behaviorFlags,
                         D3DPRESENT_PARAMETERS* parameters, IDirect3DDevice9** device) override;

    ULONG LiveObjectCount() override { return d3d9gl::LiveObjectCount(); }

private:
    explicit Direct3D9(GlProbe probe);
    ~Direct3D9() override = default;

    GlProbe m_probe;
    D3DCAPS9 m_caps{};
};

}  // namespace d3d9gl
