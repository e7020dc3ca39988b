// The Direct3D object, device creation, resources and their lifetimes.
#include <cstring>
#include <string>

#include "tests/support/DeviceFixture.h"

namespace d3d9test {
namespace {

TEST(Direct3DTest, RefusesAnotherSdkVersionAndDescribesTheAdapter) {
    IDirect3D9* first = CreateDirect3D();
    ASSERT_NE(first, nullptr) << "the module could not be loaded";
    EXPECT_EQ(first->Release(), 0u);
    HMODULE module = LoadLibraryA("d3d9.dll");
    ASSERT_NE(module, nullptr);
    auto create = reinterpret_cast<PFN_Direct3DCreate9>(
        reinterpret_cast<void (*)()>(GetProcAddress(module, kDirect3DCreate9Name)));
    EXPECT_EQ(create(31), nullptr);
    EXPECT_EQ(GetProcAddress(module, "Device"), nullptr);  // nothing else is exported

    IDirect3D9* d3d = create(D3D_SDK_VERSION);
    ASSERT_NE(d3d, nullptr);
    D3DCAPS9 caps{};
    EXPECT_EQ(d3d->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, &caps), D3D_OK);
    // An OpenGL 3.3 core implementation runs what vertex shader model 3.0 asks.
    EXPECT_EQ(caps.VertexShaderVersion, D3DVS_VERSION(3, 0));
    EXPECT_GE(caps.MaxTextureWidth, 1024u);
    D3DADAPTER_IDENTIFIER9 identifier{};
    EXPECT_EQ(d3d->GetAdapterIdentifier(D3DADAPTER_DEFAULT, 0, &identifier), D3D_OK);
    const size_t length = strnlen(identifier.Description, sizeof identifier.Description);
    EXPECT_GT(length, 0u);
    EXPECT_LT(length, sizeof identifier.Description);
    EXPECT_EQ(d3d->GetAdapterIdentifier(1, 0, &identifier), D3DERR_INVALIDCALL);
    EXPECT_EQ(d3d->Release(), 0u);
    FreeLibrary(module);
}

class DeviceObjectTest : public DeviceTest {};

TEST_F(DeviceObjectTest, RefusesWhatItCannotHonourWithAResult) {
    struct Case {
        const char* name;
        void (*change)(D3DPRESENT_PARAMETERS&);
    };
    const Case cases[] = {
        {"full screen", [](D3DPRESENT_PARAMETERS& p) { p.Windowed = FALSE; }},
        {"multisampling",
         [](D3DPRESENT_PARAMETERS& p) { p.MultiSampleType = D3DMULTISAMPLE_TYPE(4); }},
        {"back-buffer format", [](D3DPRESENT_PARAMETERS& p) { p.BackBufferFormat = D3DFMT_A8; }},
        {"depth format", [](D3DPRESENT_PARAMETERS& p) { p.AutoDepthStencilFormat = D3DFMT_D32; }},
        {"huge back buffer", [](D3DPRESENT_PARAMETERS& p) { p.BackBufferWidth = 1u << 20; }},
    };
    for (const Case& c : cases) {
        D3DPRESENT_PARAMETERS p = DefaultParameters();
        c.change(p);
        IDirect3DDevice9* device = nullptr;
        EXPECT_TRUE(FAILED(CreateDevice(p, &device))) << c.name;
        EXPECT_EQ(device, nullptr) << c.name;
    }
    D3DPRESENT_PARAMETERS p = DefaultParameters();
    IDirect3DDevice9* device = nullptr;
    EXPECT_EQ(m_d3d->CreateDevice(0, D3DDEVTYPE_HAL, nullptr, D3DCREATE_HARDWARE_VERTEXPROCESSING,
                                  &p, &device),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(m_d3d->CreateDevice(0, D3DDEVTYPE_HAL, m_window, 0, &p, &device), D3DERR_INVALIDCALL);
}

TEST_F(DeviceObjectTest, BackBufferHasTheRequestedSizeAndFormat) {
    IDirect3DSurface9* backBuffer = nullptr;
    ASSERT_EQ(m_device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer), D3D_OK);
    D3DSURFACE_DESC desc{};
    backBuffer->GetDesc(&desc);
    EXPECT_EQ(desc.Width, kWidth);
    EXPECT_EQ(desc.Height, kHeight);
    EXPECT_EQ(desc.Format, D3DFMT_A8R8G8B8);
    IDirect3DSurface9* target = nullptr;
    ASSERT_EQ(m_device->GetRenderTarget(0, &target), D3D_OK);
    EXPECT_EQ(target, backBuffer);
    EXPECT_EQ(m_device->SetRenderTarget(0, backBuffer), D3D_OK);
    EXPECT_EQ(m_device->SetRenderTarget(0, nullptr), D3DERR_INVALIDCALL);
    target->Release();
    backBuffer->Release();
    EXPECT_EQ(m_device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
}

TEST_F(DeviceObjectTest, BindingTargetZeroMakesTheViewportTheWholeTarget) {
    D3DVIEWPORT9 small{4, 4, 8, 8, 0.0f, 1.0f};
    ASSERT_EQ(m_device->SetViewport(&small), D3D_OK);
    D3DVIEWPORT9 tooLarge{60, 0, 8, 8, 0.0f, 1.0f};
    EXPECT_EQ(m_device->SetViewport(&tooLarge), D3DERR_INVALIDCALL);
    IDirect3DSurface9* backBuffer = nullptr;
    m_device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer);
    m_device->SetRenderTarget(0, backBuffer);
    backBuffer->Release();
    D3DVIEWPORT9 viewport{};
    m_device->GetViewport(&viewport);
    EXPECT_EQ(viewport.X, 0u);
    EXPECT_EQ(viewport.Width, kWidth);
    EXPECT_EQ(viewport.Height, kHeight);
}

TEST_F(DeviceObjectTest, TexturesGetAFullMipChainAndTheirLevelSizes) {
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(
        m_device->CreateTexture(256, 64, 0, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr),
        D3D_OK);
    EXPECT_EQ(texture->GetLevelCount(), 9u);
    D3DSURFACE_DESC desc{};
    texture->GetLevelDesc(0, &desc);
    EXPECT_EQ(desc.Width, 256u);
    EXPECT_EQ(desc.Height, 64u);
    texture->GetLevelDesc(8, &desc);
    EXPECT_EQ(desc.Width, 1u);
    EXPECT_EQ(desc.Height, 1u);
    EXPECT_EQ(texture->GetLevelDesc(9, &desc), D3DERR_INVALIDCALL);
    IDirect3DSurface9* level = nullptr;
    ASSERT_EQ(texture->GetSurfaceLevel(2, &level), D3D_OK);
    level->GetDesc(&desc);
    EXPECT_EQ(desc.Width, 64u);
    // A level's references are its texture's.
    EXPECT_EQ(texture->Release(), 1u);
    EXPECT_EQ(level->Release(), 0u);

    EXPECT_EQ(
        m_device->CreateTexture(0, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr),
        D3DERR_INVALIDCALL);
    EXPECT_EQ(m_device->CreateTexture(4, 4, 1, 0, D3DFMT_D16, D3DPOOL_MANAGED, &texture, nullptr),
              D3DERR_NOTAVAILABLE);
}

TEST_F(DeviceObjectTest, ObjectsOutliveAReleasedDeviceAndAreCountedNotCrashed) {
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(
        m_device->CreateTexture(8, 8, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr),
        D3D_OK);
    m_device->SetTexture(0, texture);
    const ULONG before = LiveObjects(m_d3d);
    // Everything the fixture holds goes; the texture still holds the device.
    m_declaration->Release();
    m_declaration = nullptr;
    m_program->Release();
    m_program = nullptr;
    m_gl->Release();
    m_gl = nullptr;
    EXPECT_GT(m_device->Release(), 0u);
    m_device = nullptr;
    // The device lives on with what is bound to it: nothing has gone yet.
    EXPECT_EQ(LiveObjects(m_d3d), before);
    IDirect3DDevice9* device = nullptr;
    ASSERT_EQ(texture->GetDevice(&device), D3D_OK);
    device->Release();
    EXPECT_EQ(texture->Release(), 0u);
    EXPECT_EQ(LiveObjects(m_d3d), 0u);
}

TEST_F(DeviceObjectTest, BoundObjectsStayAliveUntilUnbound) {
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(
        m_device->CreateTexture(8, 8, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr),
        D3D_OK);
    const ULONG withTexture = LiveObjects(m_d3d);
    m_device->SetTexture(3, texture);
    EXPECT_EQ(texture->Release(), 0u);
    EXPECT_EQ(LiveObjects(m_d3d), withTexture);  // the binding keeps it
    IDirect3DBaseTexture9* bound = nullptr;
    m_device->GetTexture(3, &bound);
    EXPECT_EQ(bound, static_cast<IDirect3DBaseTexture9*>(texture));
    bound->Release();
    m_device->SetTexture(3, nullptr);
    EXPECT_EQ(LiveObjects(m_d3d), withTexture - 1);
    // Sampler numbers outside the stages and vertex samplers are refused; 256 is recorded.
    EXPECT_EQ(m_device->SetTexture(16, nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(m_device->SetTexture(256, nullptr), D3D_OK);
    EXPECT_EQ(m_device->SetTexture(260, nullptr), D3D_OK);
    EXPECT_EQ(m_device->SetTexture(261, nullptr), D3DERR_INVALIDCALL);
}

TEST_F(DeviceObjectTest, VertexDeclarationsAreCheckedAndGivenBack) {
    const D3DVERTEXELEMENT9 twoStreams[] = {{1, 0, D3DDECLTYPE_FLOAT4, 0, D3DDECLUSAGE_POSITION, 0},
                                            D3DDECL_END()};
    IDirect3DVertexDeclaration9* declaration = nullptr;
    EXPECT_EQ(m_device->CreateVertexDeclaration(twoStreams, &declaration), D3DERR_INVALIDCALL);
    D3DVERTEXELEMENT9 endless[MAXD3DDECLLENGTH + 2];
    for (UINT i = 0; i < MAXD3DDECLLENGTH + 2; ++i)
        endless[i] = {0, static_cast<WORD>(4 * i), D3DDECLTYPE_FLOAT1,
                      0, D3DDECLUSAGE_TEXCOORD,    static_cast<BYTE>(i)};
    EXPECT_EQ(m_device->CreateVertexDeclaration(endless, &declaration), D3DERR_INVALIDCALL);
    UINT count = 0;
    m_declaration->GetDeclaration(nullptr, &count);
    EXPECT_EQ(count, 4u);
    D3DVERTEXELEMENT9 back[4];
    m_declaration->GetDeclaration(back, &count);
    EXPECT_EQ(back[1].Offset, 16);
    EXPECT_EQ(back[3].Stream, 0xFF);
}

TEST_F(DeviceObjectTest, DrawsAreRefusedOutsideASceneAndPastTheirVertex) {
    Vertex quad[4];
    QuadVertices(0, 0, 4, 4, 0, 0xFFFFFFFF, kWidth, kHeight, quad);
    EXPECT_EQ(m_device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(Vertex)),
              D3DERR_INVALIDCALL);
    m_device->BeginScene();
    EXPECT_EQ(m_device->BeginScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(m_device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, 16), D3DERR_INVALIDCALL);
    EXPECT_EQ(m_device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 0, quad, sizeof(Vertex)),
              D3DERR_INVALIDCALL);
    m_gl->SetShaderProgram(nullptr);
    EXPECT_EQ(m_device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(Vertex)),
              D3DERR_INVALIDCALL);
    m_device->EndScene();
    EXPECT_EQ(m_device->EndScene(), D3DERR_INVALIDCALL);
}

TEST_F(DeviceObjectTest, CompileErrorsNameTheStageAndTheLine) {
    IDirect3DShaderProgram9Gl* program = nullptr;
    IDirect3DText9Gl* log = nullptr;
    EXPECT_TRUE(FAILED(m_gl->CreateShaderProgram(
        "in vec4 POSITION;\nvoid main() { gl_Position = POSITION; }\n",
        "void main() {\n    fragColor = vec4(1.0);\n    fragColor = undefinedThing;\n}\n", &program,
        &log)));
    EXPECT_EQ(program, nullptr);
    ASSERT_NE(log, nullptr);
    const std::string text = log->GetText();
    EXPECT_EQ(text.rfind("fragment shader:", 0), 0u) << text;
    EXPECT_NE(text.find("3"), std::string::npos) << text;
    EXPECT_NE(text.find("undefinedThing"), std::string::npos) << text;
    log->Release();
}

// Matrices handed over as Direct3D row-major values transform row vectors: the translation in
// the fourth row moves the point.
TEST_F(DeviceObjectTest, MatrixUniformsTransformRowVectors) {
    IDirect3DShaderProgram9Gl* program = nullptr;
    IDirect3DText9Gl* log = nullptr;
    ASSERT_EQ(
        m_gl->CreateShaderProgram(
            "in vec4 POSITION;\nuniform mat4 m;\nvoid main() { gl_Position = POSITION * m; }\n",
            "void main() { fragColor = vec4(1.0, 0.0, 0.0, 1.0); }\n", &program, &log),
        D3D_OK)
        << (log ? log->GetText() : "");
    // Moves every point by half the target to the right: a translation of 1 in clip space.
    const float translation[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 1};
    m_gl->SetUniform(program, program->GetUniformLocation("m"), kGlUniformMatrix4, translation, 1);
    m_gl->SetShaderProgram(program);
    m_device->SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE);
    m_device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
    DrawRect(0, 0, 8, 8, 0.0f, 0xFFFFFFFF);
    const auto pixels = ReadBack();
    EXPECT_EQ(Pixel(pixels, 2, 2), 0xFF000000u);
    EXPECT_EQ(Pixel(pixels, kWidth / 2 + 2, 2), 0xFFFF0000u);
    m_gl->SetShaderProgram(nullptr);
    program->Release();
}

TEST_F(DeviceObjectTest, LockedSubRectanglesUploadOnlyWhatWasLocked) {
    IDirect3DTexture9* texture = nullptr;
    ASSERT_EQ(
        m_device->CreateTexture(4, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture, nullptr),
        D3D_OK);
    D3DLOCKED_RECT locked{};
    const RECT rect{1, 2, 3, 3};
    ASSERT_EQ(texture->LockRect(0, &locked, &rect, 0), D3D_OK);
    EXPECT_EQ(locked.Pitch, 16);
    EXPECT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3DERR_INVALIDCALL);  // locked twice
    static_cast<std::uint32_t*>(locked.pBits)[0] = 0xFFFF0000;
    static_cast<std::uint32_t*>(locked.pBits)[1] = 0xFF00FF00;
    texture->UnlockRect(0);
    const RECT outside{2, 2, 5, 3};
    EXPECT_EQ(texture->LockRect(0, &locked, &outside, 0), D3DERR_INVALIDCALL);

    m_device->SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE);
    m_device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF123456, 1.0f, 0);
    UseProgram(Output::Texture);
    m_device->SetTexture(0, texture);
    DrawRect(0, 0, 4, 4, 0.0f, 0xFFFFFFFF);
    const auto pixels = ReadBack();
    EXPECT_EQ(Pixel(pixels, 1, 2), 0xFFFF0000u);
    EXPECT_EQ(Pixel(pixels, 2, 2), 0xFF00FF00u);
    EXPECT_EQ(Pixel(pixels, 0, 0), 0x00000000u);  // a new texture starts cleared
    m_device->SetTexture(0, nullptr);
    texture->Release();
}

TEST_F(DeviceObjectTest, ReadBackNeedsASystemMemorySurfaceOfTheTargetsSize) {
    IDirect3DSurface9* target = nullptr;
    m_device->GetRenderTarget(0, &target);
    IDirect3DSurface9* small = nullptr;
    ASSERT_EQ(m_device->CreateOffscreenPlainSurface(8, 8, D3DFMT_A8R8G8B8, D3DPOOL_SYSTEMMEM,
                                                    &small, nullptr),
              D3D_OK);
    EXPECT_EQ(m_device->GetRenderTargetData(target, small), D3DERR_INVALIDCALL);
    EXPECT_EQ(m_device->GetRenderTargetData(small, target), D3DERR_INVALIDCALL);
    D3DLOCKED_RECT locked{};
    EXPECT_EQ(target->LockRect(&locked, nullptr, 0), D3DERR_INVALIDCALL);
    IDirect3DSurface9* surface = nullptr;
    EXPECT_EQ(m_device->CreateOffscreenPlainSurface(8, 8, D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT,
                                                    &surface, nullptr),
              D3DERR_INVALIDCALL);
    small->Release();
    target->Release();
}

}  // namespace
}  // namespace d3d9test
