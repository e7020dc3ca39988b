#include "platform/d3d9/d3d9_direct3d.h"

#include <cstdio>
#include <cstring>

#include "platform/d3d9/d3d9_device.h"

namespace d3d9gl {

namespace {

void CopyText(char* destination, size_t size, const std::string& text) {
    std::snprintf(destination, size, "%s", text.c_str());
}

}  // namespace

Direct3D9* Direct3D9::Create() {
    GlProbe probe = ProbeOpenGl();
    if (!probe.available) return nullptr;
    return new Direct3D9(std::move(probe));
}

Direct3D9::Direct3D9(GlProbe probe) : m_probe(std::move(probe)) {
    m_caps.DeviceType = D3DDEVTYPE_HAL;
    m_caps.AdapterOrdinal = 0;
    m_caps.MaxTextureWidth = m_probe.maxTextureSize;
    m_caps.MaxTextureHeight = m_probe.maxTextureSize;
    m_caps.MaxSimultaneousTextures = 16;
    m_caps.VertexShaderVersion = m_probe.vertexShaderVersion;
    // Pixel shaders of the same model as the vertex shaders.
    m_caps.PixelShaderVersion = 0xFFFF0000u | (m_probe.vertexShaderVersion & 0xFFFF);
    m_caps.NumSimultaneousRTs = 1;
}

HRESULT Direct3D9::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDirect3D9)
        *object = static_cast<IDirect3D9*>(this);
    else if (iid == IID_IDirect3D9Diagnostics)
        *object = static_cast<IDirect3D9Diagnostics*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

HRESULT Direct3D9::GetAdapterIdentifier(UINT adapter, DWORD, D3DADAPTER_IDENTIFIER9* identifier) {
    if (adapter != 0 || !identifier) return D3DERR_INVALIDCALL;
    std::memset(identifier, 0, sizeof *identifier);
    CopyText(identifier->Driver, sizeof identifier->Driver,
             "d3d9.so (OpenGL " + m_probe.version + ")");
    // The description names the renderer, cut to 511 characters.
    CopyText(identifier->Description, sizeof identifier->Description, m_probe.renderer);
    CopyText(identifier->DeviceName, sizeof identifier->DeviceName, "DISPLAY1");
    return D3D_OK;
}

HRESULT Direct3D9::GetDeviceCaps(UINT adapter, D3DDEVTYPE type, D3DCAPS9* caps) {
    if (adapter != 0 || !caps) return D3DERR_INVALIDCALL;
    if (type != D3DDEVTYPE_HAL) return D3DERR_NOTAVAILABLE;
    *caps = m_caps;
    return D3D_OK;
}

HRESULT Direct3D9::CreateDevice(UINT adapter, D3DDEVTYPE type, HWND focusWindow,
                                DWORD behaviorFlags, D3DPRESENT_PARAMETERS* parameters,
                                IDirect3DDevice9** device) {
    if (!device) return D3DERR_INVALIDCALL;
    *device = nullptr;
    if (adapter != 0 || !parameters) return D3DERR_INVALIDCALL;
    if (type != D3DDEVTYPE_HAL || !m_probe.core33) return D3DERR_NOTAVAILABLE;
    Device* created = nullptr;
    HRESULT hr = Device::Create(this, m_caps, focusWindow, behaviorFlags, parameters, &created);
    if (SUCCEEDED(hr)) *device = static_cast<IDirect3DDevice9*>(created);
    return hr;
}

}  // namespace d3d9gl
