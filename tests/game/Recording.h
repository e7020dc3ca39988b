// Stand-ins for the device, the effect, the font, textures and surfaces that write every call
// the scene makes into one log, so that a test can compare the order of a whole frame.
#pragma once

#include <string>
#include <vector>

#include "platform/d3d9/d3d9.h"
#include "platform/d3dx9/d3dx9.h"

namespace gametest {

using Log = std::vector<std::string>;

// Reference counting that only counts; the objects live in the test.
template <typename Interface>
class Counted : public Interface {
public:
    HRESULT QueryInterface(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override {
        if (releaseLog) releaseLog->push_back("Release(" + releaseName + ")");
        return --refs;
    }
    ULONG refs = 1;
    // Where releases are written, when they are to be seen.
    Log* releaseLog = nullptr;
    std::string releaseName;
};

class FakeSurface final : public Counted<IDirect3DSurface9> {
public:
    FakeSurface(UINT width, UINT height) : m_width(width), m_height(height) {}
    HRESULT GetDevice(IDirect3DDevice9**) override { return E_NOTIMPL; }
    D3DRESOURCETYPE GetType() override { return D3DRTYPE_SURFACE; }
    HRESULT GetDesc(D3DSURFACE_DESC* desc) override;
    HRESULT LockRect(D3DLOCKED_RECT*, const RECT*, DWORD) override { return E_NOTIMPL; }
    HRESULT UnlockRect() override { return E_NOTIMPL; }

private:
    UINT m_width, m_height;
};

class FakeTexture final : public Counted<IDirect3DTexture9> {
public:
    FakeTexture(const char* name, UINT width, UINT height, Log* log)
        : m_name(name), m_width(width), m_height(height), m_log(log) {}
    const std::string& Name() const { return m_name; }
    HRESULT GetDevice(IDirect3DDevice9**) override { return E_NOTIMPL; }
    D3DRESOURCETYPE GetType() override { return D3DRTYPE_TEXTURE; }
    DWORD GetLevelCount() override { return 1; }
    HRESULT GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) override;
    HRESULT GetSurfaceLevel(UINT, IDirect3DSurface9**) override { return E_NOTIMPL; }
    HRESULT LockRect(UINT, D3DLOCKED_RECT*, const RECT*, DWORD) override { return E_NOTIMPL; }
    HRESULT UnlockRect(UINT) override { return E_NOTIMPL; }

private:
    std::string m_name;
    UINT m_width, m_height;
    Log* m_log;
};

// A vertex declaration that only counts.
class FakeDeclaration final : public Counted<IDirect3DVertexDeclaration9> {
public:
    HRESULT GetDevice(IDirect3DDevice9**) override { return E_NOTIMPL; }
    HRESULT GetDeclaration(D3DVERTEXELEMENT9*, UINT*) override { return E_NOTIMPL; }
};

class RecordingDevice final : public Counted<IDirect3DDevice9> {
public:
    explicit RecordingDevice(Log* log) : m_log(log) {}

    FakeSurface backBuffer{1024, 320};
    FakeDeclaration declaration;  // what CreateVertexDeclaration gives
    // The vertices of every DrawPrimitiveUP, four 40-byte records each.
    std::vector<std::vector<unsigned char>> drawnVertices;

    HRESULT GetDirect3D(IDirect3D9**) override { return E_NOTIMPL; }
    HRESULT GetDeviceCaps(D3DCAPS9*) override { return E_NOTIMPL; }
    HRESULT CreateTexture(UINT, UINT, UINT, DWORD, D3DFORMAT, D3DPOOL, IDirect3DTexture9**,
                          HANDLE*) override;
    HRESULT CreateOffscreenPlainSurface(UINT, UINT, D3DFORMAT, D3DPOOL, IDirect3DSurface9**,
                                        HANDLE*) override {
        return E_NOTIMPL;
    }
    HRESULT CreateVertexDeclaration(const D3DVERTEXELEMENT9*,
                                    IDirect3DVertexDeclaration9**) override;
    HRESULT GetBackBuffer(UINT, UINT, D3DBACKBUFFER_TYPE, IDirect3DSurface9**) override;
    HRESULT GetRenderTarget(DWORD, IDirect3DSurface9**) override;
    HRESULT SetRenderTarget(DWORD, IDirect3DSurface9*) override;
    HRESULT GetRenderTargetData(IDirect3DSurface9*, IDirect3DSurface9*) override {
        return E_NOTIMPL;
    }
    HRESULT SetViewport(const D3DVIEWPORT9*) override;
    HRESULT GetViewport(D3DVIEWPORT9*) override { return E_NOTIMPL; }
    HRESULT SetRenderState(D3DRENDERSTATETYPE, DWORD) override;
    HRESULT GetRenderState(D3DRENDERSTATETYPE, DWORD*) override { return E_NOTIMPL; }
    HRESULT SetSamplerState(DWORD, D3DSAMPLERSTATETYPE, DWORD) override;
    HRESULT GetSamplerState(DWORD, D3DSAMPLERSTATETYPE, DWORD*) override { return E_NOTIMPL; }
    HRESULT SetScissorRect(const RECT*) override;
    HRESULT GetScissorRect(RECT*) override { return E_NOTIMPL; }
    HRESULT SetTexture(DWORD, IDirect3DBaseTexture9*) override;
    HRESULT GetTexture(DWORD, IDirect3DBaseTexture9**) override { return E_NOTIMPL; }
    HRESULT SetVertexDeclaration(IDirect3DVertexDeclaration9*) override;
    HRESULT GetVertexDeclaration(IDirect3DVertexDeclaration9**) override { return E_NOTIMPL; }
    HRESULT BeginScene() override;
    HRESULT EndScene() override;
    HRESULT Clear(DWORD, const D3DRECT*, DWORD, D3DCOLOR, float, DWORD) override;
    HRESULT DrawPrimitiveUP(D3DPRIMITIVETYPE, UINT, const void*, UINT) override;
    HRESULT Present(const RECT*, const RECT*, HWND, const void*) override;

    // Make creation calls fail.
    bool failDeclaration = false;
    bool failTextures = false;
    int texturesCreated = 0;

private:
    Log* m_log;
};

class RecordingEffect final : public Counted<ID3DXEffect> {
public:
    explicit RecordingEffect(Log* log) : m_log(log) {}
    D3DXHANDLE GetParameterByName(D3DXHANDLE, LPCSTR name) override;
    D3DXHANDLE GetTechniqueByName(LPCSTR name) override { return name; }
    HRESULT SetFloat(D3DXHANDLE, float) override;
    HRESULT SetVector(D3DXHANDLE, const D3DXVECTOR4*) override;
    HRESULT SetMatrix(D3DXHANDLE, const D3DXMATRIX*) override;
    HRESULT SetTexture(D3DXHANDLE, IDirect3DBaseTexture9*) override;
    HRESULT GetFloat(D3DXHANDLE, float*) override { return E_NOTIMPL; }
    HRESULT GetVector(D3DXHANDLE, D3DXVECTOR4*) override { return E_NOTIMPL; }
    HRESULT GetMatrix(D3DXHANDLE, D3DXMATRIX*) override { return E_NOTIMPL; }
    HRESULT SetTechnique(D3DXHANDLE) override;
    D3DXHANDLE GetCurrentTechnique() override { return nullptr; }
    HRESULT Begin(UINT*, DWORD) override;
    HRESULT BeginPass(UINT) override;
    HRESULT CommitChanges() override;
    HRESULT EndPass() override;
    HRESULT End() override;
    HRESULT GetDevice(IDirect3DDevice9**) override { return E_NOTIMPL; }

    // The values set last, by parameter name.
    D3DXMATRIX matrices[5];
    D3DXVECTOR4 eyePosition{};
    float scale = 0;

private:
    Log* m_log;
};

class RecordingFont final : public Counted<ID3DXFont> {
public:
    explicit RecordingFont(Log* log) : m_log(log) {}
    INT DrawTextA(ID3DXSprite*, LPCSTR, INT, RECT*, DWORD, D3DCOLOR) override;
    HRESULT GetDevice(IDirect3DDevice9**) override { return E_NOTIMPL; }

private:
    Log* m_log;
};

}  // namespace gametest
