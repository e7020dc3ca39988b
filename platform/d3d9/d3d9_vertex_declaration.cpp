#include "platform/d3d9/d3d9_vertex_declaration.h"

#include "platform/d3d9/d3d9_device.h"

namespace d3d9gl {

HRESULT VertexDeclaration::Create(Device* device, const D3DVERTEXELEMENT9* elements,
                                  VertexDeclaration** declaration) {
    if (!elements) return D3DERR_INVALIDCALL;
    std::vector<D3DVERTEXELEMENT9> list;
    for (UINT i = 0;; ++i) {
        if (i > MAXD3DDECLLENGTH) return D3DERR_INVALIDCALL;  // no end marker in reach
        const D3DVERTEXELEMENT9& e = elements[i];
        if (e.Stream == 0xFF) break;
        // One stream of vertices from memory is all DrawPrimitiveUP offers.
        if (e.Stream != 0 || !DecodeDeclType(e.Type).supported || e.Method != D3DDECLMETHOD_DEFAULT)
            return D3DERR_INVALIDCALL;
        for (const D3DVERTEXELEMENT9& other : list)
            if (other.Usage == e.Usage && other.UsageIndex == e.UsageIndex)
                return D3DERR_INVALIDCALL;  // the same input twice
        list.push_back(e);
    }
    *declaration = new VertexDeclaration(device, std::move(list));
    return D3D_OK;
}

VertexDeclaration::VertexDeclaration(Device* device, std::vector<D3DVERTEXELEMENT9> elements)
    : m_device(device), m_elements(std::move(elements)) {
    m_device->AddRef();
    m_device->AddRefPrivate();
}

VertexDeclaration::~VertexDeclaration() {
    m_device->ReleasePrivate();
}

void VertexDeclaration::OnFirstPublicReference() {
    m_device->AddRef();
}
void VertexDeclaration::OnLastPublicReference() {
    m_device->Release();
}

HRESULT VertexDeclaration::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDirect3DVertexDeclaration9) {
        *object = static_cast<IDirect3DVertexDeclaration9*>(this);
        AddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

HRESULT VertexDeclaration::GetDevice(IDirect3DDevice9** device) {
    if (!device) return D3DERR_INVALIDCALL;
    m_device->AddRef();
    *device = m_device;
    return D3D_OK;
}

HRESULT VertexDeclaration::GetDeclaration(D3DVERTEXELEMENT9* elements, UINT* count) {
    if (!count) return D3DERR_INVALIDCALL;
    const UINT total = static_cast<UINT>(m_elements.size()) + 1;
    if (elements) {
        for (UINT i = 0; i + 1 < total; ++i) elements[i] = m_elements[i];
        elements[total - 1] = D3DVERTEXELEMENT9 D3DDECL_END();
    }
    *count = total;
    return D3D_OK;
}

}  // namespace d3d9gl
