// A stand-in for the Direct3D 9 module, built by the tests in several variants: it loads the
// real module and passes everything through, except that it reports the vertex shader version
// its variant names, fails the first device creations its variant names, and says on
// standard error what it was asked, so that start-up's reactions can be seen.
//
// Variant settings (compile definitions):
//   STANDIN_VS_VERSION      the VertexShaderVersion to report, or 0 to pass the real one
//   STANDIN_FAILED_CREATES  how many CreateDevice calls fail before they pass through
//   STANDIN_NULL_DIRECT3D   1: Direct3DCreate9 gives nothing
//   STANDIN_REAL_MODULE     the path of the real d3d9.so
#include <dlfcn.h>

#include <cstdio>
#include <cstring>

#include "platform/d3d9/d3d9.h"

namespace {

class StandIn final : public IDirect3D9 {
public:
    StandIn(void* module, IDirect3D9* real) : m_module(module), m_real(real) {}

    HRESULT QueryInterface(REFIID iid, void** object) override {
        return m_real->QueryInterface(iid, object);
    }
    ULONG AddRef() override { return ++m_refs; }
    ULONG Release() override {
        const ULONG remaining = --m_refs;
        if (remaining == 0) {
            m_real->Release();
            dlclose(m_module);
            delete this;
        }
        return remaining;
    }
    UINT GetAdapterCount() override { return m_real->GetAdapterCount(); }
    HRESULT GetAdapterIdentifier(UINT adapter, DWORD flags,
                                 D3DADAPTER_IDENTIFIER9* identifier) override {
        HRESULT hr = m_real->GetAdapterIdentifier(adapter, flags, identifier);
        if (SUCCEEDED(hr) && STANDIN_VS_VERSION != 0)
            std::snprintf(identifier->Description, sizeof identifier->Description,
                          "Stand-in Adapter 9000");
        return hr;
    }
    HRESULT GetDeviceCaps(UINT adapter, D3DDEVTYPE type, D3DCAPS9* caps) override {
        HRESULT hr = m_real->GetDeviceCaps(adapter, type, caps);
        if (SUCCEEDED(hr) && STANDIN_VS_VERSION != 0)
            caps->VertexShaderVersion = STANDIN_VS_VERSION;
        return hr;
    }
    HRESULT CreateDevice(UINT adapter, D3DDEVTYPE type, HWND window, DWORD flags,
                         D3DPRESENT_PARAMETERS* p, IDirect3DDevice9** device) override {
        ++m_creates;
        std::fprintf(stderr,
                     "[standin] CreateDevice %d: adapter=%u type=%u window=%s flags=0x%X "
                     "size=%ux%u format=%u count=%u multisample=%u/%u swap=%u device-window=%s "
                     "windowed=%d auto-depth=%d depth-format=%u flags=%u refresh=%u "
                     "interval=%u\n",
                     m_creates, adapter, static_cast<unsigned>(type), window ? "set" : "null",
                     flags, p->BackBufferWidth, p->BackBufferHeight, p->BackBufferFormat,
                     p->BackBufferCount, p->MultiSampleType, p->MultiSampleQuality, p->SwapEffect,
                     p->hDeviceWindow ? "set" : "null", p->Windowed, p->EnableAutoDepthStencil,
                     p->AutoDepthStencilFormat, p->Flags, p->FullScreen_RefreshRateInHz,
                     p->PresentationInterval);
        if (m_creates <= STANDIN_FAILED_CREATES) {
            *device = nullptr;
            return D3DERR_NOTAVAILABLE;
        }
        return m_real->CreateDevice(adapter, type, window, flags, p, device);
    }

private:
    ~StandIn() = default;
    void* m_module;
    IDirect3D9* m_real;
    ULONG m_refs = 1;
    int m_creates = 0;
};

__attribute__((destructor)) void ReportUnload() {
    std::fprintf(stderr, "[standin] unloaded\n");
}

}  // namespace

extern "C" __attribute__((visibility("default"))) IDirect3D9* Direct3DCreate9(UINT sdk) {
    std::fprintf(stderr, "[standin] Direct3DCreate9(%u)\n", sdk);
    if (STANDIN_NULL_DIRECT3D) return nullptr;
    void* module = dlopen(STANDIN_REAL_MODULE, RTLD_NOW | RTLD_LOCAL);
    if (!module) return nullptr;
    auto create = reinterpret_cast<PFN_Direct3DCreate9>(dlsym(module, "Direct3DCreate9"));
    IDirect3D9* real = create ? create(sdk) : nullptr;
    if (!real) {
        dlclose(module);
        return nullptr;
    }
    return new StandIn(module, real);
}
