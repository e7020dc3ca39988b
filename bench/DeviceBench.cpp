// One frame's worth of device work without the program above it: a clear and four textured
// quads of the sizes the demo draws (three panels cut to their scissor rectangles at about 25×,
// the 448 × 128 logo blended), presented without waiting for the retrace. This is what the
// effect, the text and the layer add to.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "bench/BenchWindow.h"
#include "game/QuadVertex.h"
#include "game/TexturedQuad.h"
#include "platform/d3d9/d3d9_gl.h"

namespace {

constexpr const char* kVertexShader =
    "in vec4 POSITION;\nin vec2 TEXCOORD0;\nout vec2 uv;\n"
    "void main() { gl_Position = POSITION; uv = TEXCOORD0; }\n";
constexpr const char* kFragmentShader =
    "in vec2 uv;\nuniform sampler2D image;\nvoid main() { fragColor = texture(image, uv); }\n";

struct Device {
    HMODULE module = nullptr;
    IDirect3D9* d3d = nullptr;
    IDirect3DDevice9* device = nullptr;
    IDirect3DDevice9Gl* gl = nullptr;
    IDirect3DShaderProgram9Gl* program = nullptr;
    IDirect3DVertexDeclaration9* declaration = nullptr;
    IDirect3DTexture9* image = nullptr;
    IDirect3DTexture9* logo = nullptr;
    HWND window = nullptr;

    bool Create() {
        window = CreateBenchWindow();
        setenv("DFDEMO_MODULE_DIR", DF_BIN_DIR, 0);
        module = LoadLibraryA("d3d9.dll");
        if (!window || !module) return false;
        auto create = reinterpret_cast<PFN_Direct3DCreate9>(
            reinterpret_cast<void (*)()>(GetProcAddress(module, kDirect3DCreate9Name)));
        d3d = create ? create(D3D_SDK_VERSION) : nullptr;
        if (!d3d) return false;
        D3DPRESENT_PARAMETERS p{};
        p.BackBufferWidth = 1024;
        p.BackBufferHeight = 320;
        p.BackBufferFormat = D3DFMT_A8R8G8B8;
        p.BackBufferCount = 2;
        p.SwapEffect = D3DSWAPEFFECT_DISCARD;
        p.Windowed = TRUE;
        p.EnableAutoDepthStencil = TRUE;
        p.AutoDepthStencilFormat = D3DFMT_D16;
        p.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
        if (d3d->CreateDevice(0, D3DDEVTYPE_HAL, window, D3DCREATE_HARDWARE_VERTEXPROCESSING, &p,
                              &device) != D3D_OK)
            return false;
        device->QueryInterface(IID_IDirect3DDevice9Gl, reinterpret_cast<void**>(&gl));
        if (!gl ||
            gl->CreateShaderProgram(kVertexShader, kFragmentShader, &program, nullptr) != D3D_OK)
            return false;
        device->CreateVertexDeclaration(kQuadVertexElements, &declaration);
        device->CreateTexture(256, 64, 0, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &image, nullptr);
        device->CreateTexture(448, 128, 0, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &logo, nullptr);
        return declaration && image && logo;
    }

    void Release() {
        for (IUnknown* object : std::vector<IUnknown*>{logo, image, declaration, program, gl})
            if (object) object->Release();
        if (device) device->Release();
        if (d3d) d3d->Release();
        if (module) FreeLibrary(module);
        DestroyBenchWindow(window);
    }

    void Quad(IDirect3DTexture9* texture, float x, float y, float scale, UINT w, UINT h) {
        device->SetTexture(0, texture);
        QuadVertex quad[4];
        FillQuadVertices(x, y, scale, w, h, 1024, 320, quad);
        device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(QuadVertex));
    }
};

void BM_DeviceFrame(benchmark::State& state) {
    Device d;
    if (!d.Create()) {
        state.SkipWithError("no device");
        d.Release();
        return;
    }
    IDirect3DDevice9* device = d.device;
    d.gl->SetShaderProgram(d.program);
    const int stage = 0;
    d.gl->SetUniform(d.program, d.program->GetUniformLocation("image"), kGlUniformInt1, &stage, 1);
    device->SetVertexDeclaration(d.declaration);
    device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
    device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_LINEAR);
    const RECT panels[3] = {{0, 0, 341, 320}, {341, 0, 682, 320}, {682, 0, 1024, 320}};
    const float anchors[3] = {170, 512, 853};
    const RECT full{0, 0, 1024, 320};
    const float s = 25.0f;
    for (auto _ : state) {
        device->BeginScene();
        device->SetRenderState(D3DRS_SCISSORTESTENABLE, TRUE);
        device->SetScissorRect(&full);
        device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF404040, 1.0f, 0);
        device->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
        for (int i = 0; i < 3; ++i) {
            device->SetScissorRect(&panels[i]);
            d.Quad(d.image, anchors[i] - 32 * s, 160 - 32 * s, s, 256, 64);
        }
        device->SetScissorRect(&full);
        device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
        device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
        device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
        d.Quad(d.logo, 576, 192, 1, 448, 128);
        device->EndScene();
        device->Present(nullptr, nullptr, nullptr, nullptr);
    }
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    d.Release();
}
BENCHMARK(BM_DeviceFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
