// A vertex declaration: the elements of one vertex, checked when it is made.
#pragma once

#include <vector>

#include "platform/d3d9/d3d9_object.h"

namespace d3d9gl {

class Device;

class VertexDeclaration final : public IDirect3DVertexDeclaration9, public Object {
public:
    // Fails for an element of a stream other than 0, an unknown type, or a missing end marker
    // within MAXD3DDECLLENGTH elements.
    static HRESULT Create(Device* device, const D3DVERTEXELEMENT9* elements,
                          VertexDeclaration** declaration);

    HRESULT QueryInterface(REFIID iid, void** object) override;
    D3D9GL_OBJECT_REFCOUNT

    HRESULT GetDevice(IDirect3DDevice9** device) override;
    HRESULT GetDeclaration(D3DVERTEXELEMENT9* elements, UINT* count) override;

    Device* OwnerDevice() const { return m_device; }
    // The elements, end marker excluded.
    const std::vector<D3DVERTEXELEMENT9>& Elements() const { return m_elements; }

private:
    VertexDeclaration(Device* device, std::vector<D3DVERTEXELEMENT9> elements);
    ~VertexDeclaration() override;
    void OnFirstPublicReference() override;
    void OnLastPublicReference() override;

    Device* m_device;
    std::vector<D3DVERTEXELEMENT9> m_elements;
};

}  // namespace d3d9gl
