// What the device needs to draw a font's glyph quads: the vertex, its declaration, and the
// program that writes the colour with the glyph's coverage as alpha.
#pragma once

#include "platform/d3d9/d3d9.h"
#include "platform/d3d9/d3d9_gl.h"

namespace d3dx9 {

// A corner of a glyph quad: Direct3D clip space, the text colour, the atlas coordinate.
struct TextVertex {
    float x, y, z, w;
    D3DCOLOR color;
    float u, v;
};

class FontPipeline {
public:
    FontPipeline() = default;
    ~FontPipeline();  // releases the program and the declaration
    FontPipeline(const FontPipeline&) = delete;
    FontPipeline& operator=(const FontPipeline&) = delete;

    HRESULT Create(IDirect3DDevice9* device);

    IDirect3DShaderProgram9Gl* Program() const { return m_program; }
    IDirect3DVertexDeclaration9* Declaration() const { return m_declaration; }
    // The stage the atlas page is bound to.
    static constexpr DWORD kStage = 0;

private:
    IDirect3DShaderProgram9Gl* m_program = nullptr;
    IDirect3DVertexDeclaration9* m_declaration = nullptr;
};

}  // namespace d3dx9
