// The preamble and epilogue the device wraps around every GLSL program it compiles, so that
// Direct3D 9's conventions hold for any shader without the shader's help.
#pragma once

#include <string>

namespace d3d9gl {

// Uniforms of the epilogues, set by the device before each draw.
constexpr const char* kPositionFixupUniform = "d3d_PositionFixup";
constexpr const char* kAlphaFuncUniform = "d3d_AlphaFunc";
constexpr const char* kAlphaRefUniform = "d3d_AlphaRef";

std::string WrapVertexSource(const char* source);
std::string WrapFragmentSource(const char* source);

// The values of kPositionFixupUniform for a viewport of width × height pixels.
struct PositionFixup {
    float x;
    float y;
};
PositionFixup PositionFixupFor(unsigned width, unsigned height);

}  // namespace d3d9gl
