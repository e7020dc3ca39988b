#include "Recording.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace gametest {

namespace {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

std::string TextureName(IDirect3DBaseTexture9* texture) {
    if (!texture) return "null";
    return static_cast<FakeTexture*>(static_cast<IDirect3DTexture9*>(texture))->Name();
}

const char* const kMatrixNames[5] = {"matWorldViewProj", "matWorldView", "matWorld", "matViewProj",
                                     "matInvWorldView"};

}  // namespace

HRESULT FakeSurface::GetDesc(D3DSURFACE_DESC* desc) {
    *desc = {D3DFMT_A8R8G8B8,
             D3DRTYPE_SURFACE,
             D3DUSAGE_RENDERTARGET,
             D3DPOOL_DEFAULT,
             D3DMULTISAMPLE_NONE,
             0,
             m_width,
             m_height};
    return D3D_OK;
}

HRESULT FakeTexture::GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) {
    m_log->push_back(Format("%s.GetLevelDesc(%u)", m_name.c_str(), level));
    *desc = {D3DFMT_A8R8G8B8, D3DRTYPE_SURFACE, 0, D3DPOOL_MANAGED, D3DMULTISAMPLE_NONE, 0,
             m_width,         m_height};
    return D3D_OK;
}

HRESULT RecordingDevice::CreateTexture(UINT, UINT, UINT, DWORD, D3DFORMAT, D3DPOOL,
                                       IDirect3DTexture9** texture, HANDLE*) {
    *texture = nullptr;
    m_log->push_back("CreateTexture");
    if (failTextures) return D3DERR_OUTOFVIDEOMEMORY;
    return E_NOTIMPL;  // the tests that need textures give their own
}

HRESULT RecordingDevice::CreateVertexDeclaration(const D3DVERTEXELEMENT9*,
                                                 IDirect3DVertexDeclaration9** declaration) {
    m_log->push_back("CreateVertexDeclaration");
    *declaration = nullptr;
    if (failDeclaration) return D3DERR_INVALIDCALL;
    this->declaration.AddRef();
    *declaration = &this->declaration;
    return D3D_OK;
}

HRESULT RecordingDevice::GetBackBuffer(UINT chain, UINT index, D3DBACKBUFFER_TYPE type,
                                       IDirect3DSurface9** surface) {
    m_log->push_back(Format("GetBackBuffer(%u,%u,%u)", chain, index, type));
    backBuffer.AddRef();
    *surface = &backBuffer;
    return D3D_OK;
}

HRESULT RecordingDevice::GetRenderTarget(DWORD index, IDirect3DSurface9** surface) {
    m_log->push_back(Format("GetRenderTarget(%u)", index));
    backBuffer.AddRef();
    *surface = &backBuffer;
    return D3D_OK;
}

HRESULT RecordingDevice::SetRenderTarget(DWORD index, IDirect3DSurface9* surface) {
    m_log->push_back(
        Format("SetRenderTarget(%u,%s)", index, surface == &backBuffer ? "backbuffer" : "other"));
    return D3D_OK;
}

HRESULT RecordingDevice::SetViewport(const D3DVIEWPORT9*) {
    m_log->push_back("SetViewport");
    return D3D_OK;
}

HRESULT RecordingDevice::SetRenderState(D3DRENDERSTATETYPE state, DWORD value) {
    m_log->push_back(Format("SetRenderState(%u,%u)", state, value));
    return D3D_OK;
}

HRESULT RecordingDevice::SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) {
    m_log->push_back(Format("SetSamplerState(%u,%u,%u)", sampler, type, value));
    return D3D_OK;
}

HRESULT RecordingDevice::SetScissorRect(const RECT* r) {
    m_log->push_back(Format("SetScissorRect(%d,%d,%d,%d)", r->left, r->top, r->right, r->bottom));
    return D3D_OK;
}

HRESULT RecordingDevice::SetTexture(DWORD sampler, IDirect3DBaseTexture9* texture) {
    m_log->push_back(Format("SetTexture(%u,%s)", sampler, TextureName(texture).c_str()));
    return D3D_OK;
}

HRESULT RecordingDevice::SetVertexDeclaration(IDirect3DVertexDeclaration9* declaration) {
    m_log->push_back(Format("SetVertexDeclaration(%s)", declaration ? "decl" : "null"));
    return D3D_OK;
}

HRESULT RecordingDevice::BeginScene() {
    m_log->push_back("BeginScene");
    return D3D_OK;
}

HRESULT RecordingDevice::EndScene() {
    m_log->push_back("EndScene");
    return D3D_OK;
}

HRESULT RecordingDevice::Clear(DWORD count, const D3DRECT*, DWORD flags, D3DCOLOR color, float z,
                               DWORD stencil) {
    m_log->push_back(
        Format("Clear(%u,%u,0x%08X,%g,%u)", count, flags, color, static_cast<double>(z), stencil));
    return D3D_OK;
}

HRESULT RecordingDevice::DrawPrimitiveUP(D3DPRIMITIVETYPE type, UINT count, const void* vertices,
                                         UINT stride) {
    m_log->push_back(Format("DrawPrimitiveUP(%u,%u,%u)", type, count, stride));
    const auto* bytes = static_cast<const unsigned char*>(vertices);
    drawnVertices.emplace_back(bytes, bytes + 4 * stride);
    return D3D_OK;
}

HRESULT RecordingDevice::Present(const RECT* a, const RECT* b, HWND c, const void* d) {
    m_log->push_back(Format("Present(%s)", (a || b || c || d) ? "args" : "null"));
    return D3D_OK;
}

D3DXHANDLE RecordingEffect::GetParameterByName(D3DXHANDLE parent, LPCSTR name) {
    m_log->push_back(Format("GetParameterByName(%s,%s)", parent ? "parent" : "null", name));
    return name;
}

HRESULT RecordingEffect::SetFloat(D3DXHANDLE parameter, float value) {
    m_log->push_back(Format("SetFloat(%s)", parameter));
    if (std::strcmp(parameter, "gScale") == 0) scale = value;
    return D3D_OK;
}

HRESULT RecordingEffect::SetVector(D3DXHANDLE parameter, const D3DXVECTOR4* value) {
    m_log->push_back(Format("SetVector(%s)", parameter));
    if (std::strcmp(parameter, "eyePosition") == 0) eyePosition = *value;
    return D3D_OK;
}

HRESULT RecordingEffect::SetMatrix(D3DXHANDLE parameter, const D3DXMATRIX* value) {
    m_log->push_back(Format("SetMatrix(%s)", parameter));
    for (int i = 0; i < 5; ++i)
        if (std::strcmp(parameter, kMatrixNames[i]) == 0) matrices[i] = *value;
    return D3D_OK;
}

HRESULT RecordingEffect::SetTexture(D3DXHANDLE parameter, IDirect3DBaseTexture9* texture) {
    m_log->push_back(Format("SetTexture(%s,%s)", parameter, TextureName(texture).c_str()));
    return D3D_OK;
}

HRESULT RecordingEffect::SetTechnique(D3DXHANDLE technique) {
    m_log->push_back(Format("SetTechnique(%s)", technique));
    return D3D_OK;
}

HRESULT RecordingEffect::Begin(UINT* passes, DWORD flags) {
    m_log->push_back(Format("Begin(%u)", flags));
    if (passes) *passes = 7;
    return D3D_OK;
}

HRESULT RecordingEffect::BeginPass(UINT pass) {
    m_log->push_back(Format("BeginPass(%u)", pass));
    return D3D_OK;
}

HRESULT RecordingEffect::CommitChanges() {
    m_log->push_back("CommitChanges");
    return D3D_OK;
}

HRESULT RecordingEffect::EndPass() {
    m_log->push_back("EndPass");
    return D3D_OK;
}

HRESULT RecordingEffect::End() {
    m_log->push_back("End");
    return D3D_OK;
}

INT RecordingFont::DrawTextA(ID3DXSprite* sprite, LPCSTR text, INT count, RECT* r, DWORD format,
                             D3DCOLOR color) {
    // The caption's first bytes tell which panel's it is.
    m_log->push_back(Format("DrawTextA(%s,%.2X%.2X,%d,%d,%d,%d,%d,0x%X,0x%08X)",
                            sprite ? "sprite" : "null", static_cast<unsigned char>(text[0]),
                            static_cast<unsigned char>(text[1]), count, r->left, r->top, r->right,
                            r->bottom, format, color));
    return 48;
}

}  // namespace gametest
