// The device states a text draw needs, set for the draw and put back afterwards: blending of
// the colour by its alpha over what is there, no depth or alpha test, no culling, point
// sampling of the atlas, and the font's program and declaration. The viewport, the scissor
// test and its rectangle, and the render target are left as the caller set them.
#pragma once

#include <cstddef>

#include "platform/d3d9/d3d9.h"
#include "platform/d3d9/d3d9_gl.h"
#include "platform/d3dx9/d3dx9_font_pipeline.h"

namespace d3dx9 {

class FontDrawStates {
public:
    // Records the device's states and sets the font's.
    FontDrawStates(IDirect3DDevice9* device, IDirect3DDevice9Gl* gl, const FontPipeline& pipeline);
    // Puts back every state recorded.
    ~FontDrawStates();
    FontDrawStates(const FontDrawStates&) = delete;
    FontDrawStates& operator=(const FontDrawStates&) = delete;

    static constexpr std::size_t kRenderStateCount = 14;
    static constexpr std::size_t kSamplerStateCount = 8;

private:
    IDirect3DDevice9* m_device;
    IDirect3DDevice9Gl* m_gl;
    DWORD m_renderStates[kRenderStateCount];
    bool m_renderStateSaved[kRenderStateCount];
    DWORD m_samplerStates[kSamplerStateCount];
    bool m_samplerStateSaved[kSamplerStateCount];
    IDirect3DBaseTexture9* m_texture = nullptr;
    IDirect3DVertexDeclaration9* m_declaration = nullptr;
    IDirect3DShaderProgram9Gl* m_program = nullptr;
};

}  // namespace d3dx9
