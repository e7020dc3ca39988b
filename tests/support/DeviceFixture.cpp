#include "tests/support/DeviceFixture.h"

#include <cstdlib>

#include "platform/d3d9/d3d9_gl.h"

namespace d3d9test {

namespace {

constexpr const char* kClassName = "d3d9TestClass";

LRESULT TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

constexpr const char* kVertexShader =
    "in vec4 POSITION;\n"
    "in vec4 COLOR0;\n"
    "in vec2 TEXCOORD0;\n"
    "out vec4 color;\n"
    "out vec2 uv;\n"
    "void main() {\n"
    "    gl_Position = POSITION;\n"
    "    color = COLOR0;\n"
    "    uv = TEXCOORD0;\n"
    "}\n";

constexpr const char* kFragmentShader =
    "in vec4 color;\n"
    "in vec2 uv;\n"
    "uniform int mode;\n"
    "uniform vec4 constantColor;\n"
    "uniform sampler2D image;\n"
    "void main() {\n"
    "    if (mode == 1) fragColor = texture(image, uv);\n"
    "    else if (mode == 2) fragColor = constantColor;\n"
    "    else fragColor = color;\n"
    "}\n";

const D3DVERTEXELEMENT9 kElements[] = {
    {0, 0, D3DDECLTYPE_FLOAT4, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_POSITION, 0},
    {0, 16, D3DDECLTYPE_D3DCOLOR, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_COLOR, 0},
    {0, 20, D3DDECLTYPE_FLOAT2, D3DDECLMETHOD_DEFAULT, D3DDECLUSAGE_TEXCOORD, 0},
    D3DDECL_END(),
};

HMODULE g_module = nullptr;

}  // namespace

IDirect3D9* CreateDirect3D() {
    if (!g_module) {
        setenv("DFDEMO_MODULE_DIR", DF_MODULE_DIR, 1);
        g_module = LoadLibraryA("d3d9.dll");
    }
    if (!g_module) return nullptr;
    auto create = reinterpret_cast<PFN_Direct3DCreate9>(
        reinterpret_cast<void (*)()>(GetProcAddress(g_module, kDirect3DCreate9Name)));
    return create ? create(D3D_SDK_VERSION) : nullptr;
}

ULONG LiveObjects(IDirect3D9* d3d) {
    IDirect3D9Diagnostics* diagnostics = nullptr;
    if (FAILED(
            d3d->QueryInterface(IID_IDirect3D9Diagnostics, reinterpret_cast<void**>(&diagnostics))))
        return ~0u;
    const ULONG count = diagnostics->LiveObjectCount();
    diagnostics->Release();
    return count - 1;
}

void QuadVertices(float x0, float y0, float x1, float y1, float z, D3DCOLOR color, UINT width,
                  UINT height, Vertex out[4]) {
    const double kx = 2.0 / width, ky = -2.0 / height;
    const auto left = static_cast<float>((x0 - 0.5) * kx - 1.0);
    const auto right = static_cast<float>((x1 - 0.5) * kx - 1.0);
    const auto top = static_cast<float>((y0 - 0.5) * ky + 1.0);
    const auto bottom = static_cast<float>((y1 - 0.5) * ky + 1.0);
    out[0] = {left, top, z, 1.0f, color, 0.0f, 0.0f};
    out[1] = {right, top, z, 1.0f, color, 1.0f, 0.0f};
    out[2] = {left, bottom, z, 1.0f, color, 0.0f, 1.0f};
    out[3] = {right, bottom, z, 1.0f, color, 1.0f, 1.0f};
}

void DeviceTest::SetUp() {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = TestWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    RegisterClassExA(&wc);  // already registered by an earlier test: fine
    RECT rect{0, 0, static_cast<LONG>(kWidth), static_cast<LONG>(kHeight)};
    AdjustWindowRect(&rect, WS_OVERLAPPEDWINDOW, FALSE);
    m_window = CreateWindowExA(0, kClassName, "d3d9 test", WS_OVERLAPPEDWINDOW, 0, 0,
                               rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(m_window, nullptr);
    m_d3d = CreateDirect3D();
    ASSERT_NE(m_d3d, nullptr);
    D3DPRESENT_PARAMETERS parameters = DefaultParameters();
    ASSERT_EQ(CreateDevice(parameters, &m_device), D3D_OK);
    ASSERT_EQ(m_device->QueryInterface(IID_IDirect3DDevice9Gl, reinterpret_cast<void**>(&m_gl)),
              S_OK);
    IDirect3DText9Gl* log = nullptr;
    ASSERT_EQ(m_gl->CreateShaderProgram(kVertexShader, kFragmentShader, &m_program, &log), D3D_OK)
        << (log ? log->GetText() : "");
    ASSERT_EQ(m_device->CreateVertexDeclaration(kElements, &m_declaration), D3D_OK);
    m_device->SetVertexDeclaration(m_declaration);
    UseProgram(Output::VertexColor);
}

void DeviceTest::TearDown() {
    if (m_declaration) m_declaration->Release();
    if (m_program) m_program->Release();
    if (m_gl) m_gl->Release();
    if (m_device) {
        EXPECT_EQ(m_device->Release(), 0u);
    }
    if (m_d3d) {
        // Everything the test made is gone with the device.
        EXPECT_EQ(LiveObjects(m_d3d), 0u);
        m_d3d->Release();
    }
    if (m_window) DestroyWindow(m_window);
}

D3DPRESENT_PARAMETERS DeviceTest::DefaultParameters() const {
    D3DPRESENT_PARAMETERS p{};
    p.BackBufferWidth = kWidth;
    p.BackBufferHeight = kHeight;
    p.BackBufferFormat = D3DFMT_A8R8G8B8;
    p.BackBufferCount = 1;
    p.SwapEffect = D3DSWAPEFFECT_DISCARD;
    p.Windowed = TRUE;
    p.EnableAutoDepthStencil = TRUE;
    p.AutoDepthStencilFormat = D3DFMT_D16;
    p.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
    return p;
}

HRESULT DeviceTest::CreateDevice(D3DPRESENT_PARAMETERS& parameters, IDirect3DDevice9** device) {
    return m_d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, m_window,
                               D3DCREATE_HARDWARE_VERTEXPROCESSING, &parameters, device);
}

void DeviceTest::UseProgram(Output output, const float constant[4]) {
    m_gl->SetShaderProgram(m_program);
    const int mode = static_cast<int>(output);
    m_gl->SetUniform(m_program, m_program->GetUniformLocation("mode"), kGlUniformInt1, &mode, 1);
    const int stage = 0;
    m_gl->SetUniform(m_program, m_program->GetUniformLocation("image"), kGlUniformInt1, &stage, 1);
    if (constant)
        m_gl->SetUniform(m_program, m_program->GetUniformLocation("constantColor"),
                         kGlUniformFloat4, constant, 1);
}

void DeviceTest::DrawRect(float x0, float y0, float x1, float y1, float z, D3DCOLOR color) {
    Vertex quad[4];
    QuadVertices(x0, y0, x1, y1, z, color, kWidth, kHeight, quad);
    m_device->BeginScene();
    EXPECT_EQ(m_device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(Vertex)), D3D_OK);
    m_device->EndScene();
}

std::vector<std::uint32_t> DeviceTest::ReadBack() {
    std::vector<std::uint32_t> pixels(static_cast<size_t>(kWidth) * kHeight, 0);
    IDirect3DSurface9* target = nullptr;
    IDirect3DSurface9* copy = nullptr;
    EXPECT_EQ(m_device->GetRenderTarget(0, &target), D3D_OK);
    EXPECT_EQ(m_device->CreateOffscreenPlainSurface(kWidth, kHeight, D3DFMT_A8R8G8B8,
                                                    D3DPOOL_SYSTEMMEM, &copy, nullptr),
              D3D_OK);
    if (target && copy && m_device->GetRenderTargetData(target, copy) == D3D_OK) {
        D3DLOCKED_RECT locked{};
        if (copy->LockRect(&locked, nullptr, D3DLOCK_READONLY) == D3D_OK) {
            for (UINT y = 0; y < kHeight; ++y) {
                const auto* row = static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch;
                for (UINT x = 0; x < kWidth; ++x) {
                    const BYTE* p = row + x * 4;  // B, G, R, A
                    pixels[y * kWidth + x] = (std::uint32_t{p[3]} << 24) |
                                             (std::uint32_t{p[2]} << 16) |
                                             (std::uint32_t{p[1]} << 8) | p[0];
                }
            }
            copy->UnlockRect();
        }
    }
    if (copy) copy->Release();
    if (target) target->Release();
    return pixels;
}

}  // namespace d3d9test
