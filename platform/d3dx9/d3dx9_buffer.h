// ID3DXBuffer: a block of bytes handed to the caller, here always a zero-terminated text.
#pragma once

#include <string>
#include <vector>

#include "platform/d3dx9/d3dx9.h"

namespace d3dx9 {

class TextBuffer final : public ID3DXBuffer {
public:
    // A buffer holding text and its terminating zero, with one reference for the caller.
    static TextBuffer* Create(const std::string& text);

    HRESULT QueryInterface(REFIID iid, void** object) override;
    ULONG AddRef() override { return ++m_references; }
    ULONG Release() override;

    void* GetBufferPointer() override { return m_bytes.data(); }
    DWORD GetBufferSize() override { return static_cast<DWORD>(m_bytes.size()); }

private:
    explicit TextBuffer(const std::string& text);
    ~TextBuffer() = default;

    ULONG m_references = 1;
    std::vector<char> m_bytes;
};

}  // namespace d3dx9
