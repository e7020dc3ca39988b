#include "platform/d3dx9/d3dx9_buffer.h"

namespace d3dx9 {

TextBuffer* TextBuffer::Create(const std::string& text) {
    return new TextBuffer(text);
}

TextBuffer::TextBuffer(const std::string& text) : m_bytes(text.begin(), text.end()) {
    m_bytes.push_back('\0');
}

HRESULT TextBuffer::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid != IID_IUnknown && iid != IID_ID3DXBuffer) return E_NOINTERFACE;
    *object = static_cast<ID3DXBuffer*>(this);
    AddRef();
    return S_OK;
}

ULONG TextBuffer::Release() {
    const ULONG remaining = --m_references;
    if (remaining == 0) delete this;
    return remaining;
}

}  // namespace d3dx9
