// A window and a real device of the module on it (headless: SDL's offscreen driver), with a
// small program whose output the tests choose, and read-back of the back buffer.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/d3d9/d3d9.h"
#include "platform/d3d9/d3d9_gl.h"
#include "platform/win32/win32.h"

namespace d3d9test {

// The vertex of the tests' quads: clip-space position, a colour, a texture coordinate.
struct Vertex {
    float x, y, z, w;
    D3DCOLOR color;
    float u, v;
};

// What the fragment shader writes.
enum class Output { VertexColor = 0, Texture = 1, Constant = 2 };

// Loads the module and makes a Direct3D object; the module stays loaded for the process.
IDirect3D9* CreateDirect3D();
// Objects of the module alive now, the asking object excluded.
ULONG LiveObjects(IDirect3D9* d3d);

class DeviceTest : public ::testing::Test {
protected:
    static constexpr UINT kWidth = 64;
    static constexpr UINT kHeight = 48;

    void SetUp() override;
    void TearDown() override;

    // Creates the device for the window with the given parameters changed by adjust.
    HRESULT CreateDevice(D3DPRESENT_PARAMETERS& parameters, IDirect3DDevice9** device);
    D3DPRESENT_PARAMETERS DefaultParameters() const;

    // Makes the test program current and chooses its output.
    void UseProgram(Output output, const float constant[4] = nullptr);
    // A rectangle in pixel-edge coordinates [x0, x1) × [y0, y1) of the back buffer, with the
    // half-pixel shift Direct3D 9 needs, at depth z.
    void DrawRect(float x0, float y0, float x1, float y1, float z, D3DCOLOR color);
    // The back buffer as 0xAARRGGBB values, row by row from the top.
    std::vector<std::uint32_t> ReadBack();
    std::uint32_t Pixel(const std::vector<std::uint32_t>& pixels, int x, int y) const {
        return pixels[static_cast<size_t>(y) * kWidth + static_cast<size_t>(x)];
    }

    HWND m_window = nullptr;
    IDirect3D9* m_d3d = nullptr;
    IDirect3DDevice9* m_device = nullptr;
    IDirect3DDevice9Gl* m_gl = nullptr;
    IDirect3DShaderProgram9Gl* m_program = nullptr;
    IDirect3DVertexDeclaration9* m_declaration = nullptr;
};

// A quad's four vertices in strip order for the pixel rectangle [x0, x1) × [y0, y1) on a
// target of width × height, computed as the program computes its quads.
void QuadVertices(float x0, float y0, float x1, float y1, float z, D3DCOLOR color, UINT width,
                  UINT height, Vertex out[4]);

}  // namespace d3d9test
