// The device's private side, for the rest of the platform layer (effects, fonts, tests): GLSL
// programs that stand in for Direct3D's vertex and pixel shaders, and a count of the module's
// live objects. Reached with QueryInterface; never included by the program's own code.
//
// Shader environment. The device compiles the sources it is given with its own preamble and
// epilogue, so that every program follows Direct3D 9's conventions without the shader's help:
//  - `#version 330 core` is added; the given source follows and keeps its own line numbers
//    (a `#line` at its top is honoured, so a caller can map errors back to its own file).
//  - Vertex inputs are found by name: POSITION, NORMAL, COLOR0, COLOR1, TEXCOORD0 to
//    TEXCOORD7 (the vertex declaration's usage and usage index). A D3DCOLOR input arrives as
//    (r, g, b, a) in 0..1.
//  - The vertex shader writes gl_Position in Direct3D clip space (depth 0..1, y up); the
//    device's epilogue turns it into OpenGL's, with the half-pixel shift that puts pixel
//    centres on integer coordinates.
//  - The fragment shader writes `fragColor` (declared by the preamble); the epilogue applies
//    the alpha test render states to it.
//  - Samplers are ordinary `sampler2D` uniforms; set them to a stage number (0–15) with
//    SetUniform(..., kGlUniformInt1, ...); vertex samplers 257–260 are units 16–19.
//  - Matrices given as kGlUniformMatrix4 are Direct3D row-major matrices; in GLSL `v * M`
//    then computes Direct3D's v × M.
#pragma once

#include "platform/d3d9/d3d9.h"

inline constexpr IID IID_IDirect3DDevice9Gl = {
    0x6466d309, 0x0100, 0x474c, {0x50, 0x52, 0x49, 0x56, 0x00, 0x00, 0x00, 0x01}};
inline constexpr IID IID_IDirect3D9Diagnostics = {
    0x6466d309, 0x0101, 0x474c, {0x50, 0x52, 0x49, 0x56, 0x00, 0x00, 0x00, 0x02}};

// A zero-terminated text made by the device (compile and link logs).
struct IDirect3DText9Gl : IUnknown {
    virtual LPCSTR GetText() = 0;

protected:
    ~IDirect3DText9Gl() = default;
};

struct IDirect3DShaderProgram9Gl : IUnknown {
    // The location of a uniform, or −1 when the linked program has none of that name.
    virtual INT GetUniformLocation(LPCSTR name) = 0;

protected:
    ~IDirect3DShaderProgram9Gl() = default;
};

enum GlUniformType : DWORD {
    kGlUniformFloat1,
    kGlUniformFloat2,
    kGlUniformFloat3,
    kGlUniformFloat4,
    kGlUniformMatrix4,  // 16 floats, Direct3D row-major
    kGlUniformInt1,
};

struct IDirect3DDevice9Gl : IUnknown {
    // Compiles and links a program. On failure the log (if requested) names the stage,
    // "vertex shader", "fragment shader" or "link", followed by the compiler's own lines.
    virtual HRESULT CreateShaderProgram(LPCSTR vertexSource, LPCSTR fragmentSource,
                                        IDirect3DShaderProgram9Gl** program,
                                        IDirect3DText9Gl** log) = 0;
    // The program the following draws run; null means none, and draws are refused.
    virtual HRESULT SetShaderProgram(IDirect3DShaderProgram9Gl* program) = 0;
    virtual HRESULT GetShaderProgram(IDirect3DShaderProgram9Gl** program) = 0;
    // Sets count values of the given type into a uniform of the program (any program, bound
    // or not). A location of −1 is ignored, as in OpenGL.
    virtual HRESULT SetUniform(IDirect3DShaderProgram9Gl* program, INT location, GlUniformType type,
                               const void* values, UINT count) = 0;

protected:
    ~IDirect3DDevice9Gl() = default;
};

// Reached from an IDirect3D9 of the module.
struct IDirect3D9Diagnostics : IUnknown {
    // Objects of the module alive now, the asking IDirect3D9 itself included.
    virtual ULONG LiveObjectCount() = 0;

protected:
    ~IDirect3D9Diagnostics() = default;
};
