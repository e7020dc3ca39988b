#include "platform/d3d9/d3d9_shader_source.h"

namespace d3d9gl {

namespace {

// The shader's own main is renamed by the preprocessor, so the device's main can run it and
// then finish its outputs. "#line 1" keeps the shader's own line numbers in compiler logs.
constexpr const char* kVertexPreamble =
    "#version 330 core\n"
    "uniform vec2 d3d_PositionFixup;\n"
    "#define main d3d_main\n"
    "#line 1\n";

// Direct3D 9 clip space to OpenGL's, in one place:
//  - Direct3D samples pixel (i, j) at window position (i, j); OpenGL at (i + 0.5, j + 0.5).
//    Moving every vertex by half a pixel right and down (d3d_PositionFixup is one pixel's
//    half-width in normalised coordinates, 1/W and 1/H) makes OpenGL cover the pixels Direct3D
//    covers and sample textures where Direct3D does.
//  - Direct3D's y grows up in clip space and its rows run from the top of the target; the
//    device keeps row 0 at the top of every render target (so scissor rectangles, viewports
//    and read-back take Direct3D's top-left origin unchanged) by flipping y here.
//  - Direct3D's clip-space depth runs from 0 to w, OpenGL's from −w to w.
constexpr const char* kVertexEpilogue =
    "\n#undef main\n"
    "void main() {\n"
    "    d3d_main();\n"
    "    gl_Position.x = gl_Position.x + d3d_PositionFixup.x * gl_Position.w;\n"
    "    gl_Position.y = -gl_Position.y + d3d_PositionFixup.y * gl_Position.w;\n"
    "    gl_Position.z = 2.0 * gl_Position.z - gl_Position.w;\n"
    "}\n";

constexpr const char* kFragmentPreamble =
    "#version 330 core\n"
    "layout(location = 0) out vec4 fragColor;\n"
    "uniform int d3d_AlphaFunc;\n"
    "uniform float d3d_AlphaRef;\n"
    "#define main d3d_main\n"
    "#line 1\n";

// The alpha test of Direct3D 9, which OpenGL's core profile no longer has: the output alpha,
// taken to 8 bits as the target stores it, is compared with the reference value 0–255 by the
// D3DCMPFUNC in d3d_AlphaFunc (8, always, while the test is off).
constexpr const char* kFragmentEpilogue =
    "\n#undef main\n"
    "bool d3d_AlphaPasses(float alpha) {\n"
    "    float a = floor(clamp(alpha, 0.0, 1.0) * 255.0 + 0.5);\n"
    "    float r = d3d_AlphaRef;\n"
    "    if (d3d_AlphaFunc == 1) return false;\n"
    "    if (d3d_AlphaFunc == 2) return a < r;\n"
    "    if (d3d_AlphaFunc == 3) return a == r;\n"
    "    if (d3d_AlphaFunc == 4) return a <= r;\n"
    "    if (d3d_AlphaFunc == 5) return a > r;\n"
    "    if (d3d_AlphaFunc == 6) return a != r;\n"
    "    if (d3d_AlphaFunc == 7) return a >= r;\n"
    "    return true;\n"
    "}\n"
    "void main() {\n"
    "    d3d_main();\n"
    "    if (!d3d_AlphaPasses(fragColor.a)) discard;\n"
    "}\n";

std::string Wrap(const char* preamble, const char* source, const char* epilogue) {
    std::string text = preamble;
    if (source) text += source;
    text += epilogue;
    return text;
}

}  // namespace

std::string WrapVertexSource(const char* source) {
    return Wrap(kVertexPreamble, source, kVertexEpilogue);
}

std::string WrapFragmentSource(const char* source) {
    return Wrap(kFragmentPreamble, source, kFragmentEpilogue);
}

PositionFixup PositionFixupFor(unsigned width, unsigned height) {
    return {width ? 1.0f / static_cast<float>(width) : 0.0f,
            height ? 1.0f / static_cast<float>(height) : 0.0f};
}

}  // namespace d3d9gl
