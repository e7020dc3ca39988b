// Effects on a real device: creation and its error texts, parameters reaching the shaders,
// pass states with and without saving, textures, the order of calls, and references.
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "tests/platform/d3dx9/EffectTestSupport.h"

namespace effecttest {
namespace {

// A small effect: a colour parameter, a matrix that moves the quad, and a texture on stage 1.
constexpr const char* kSmallEffect = R"(float4 tint = {1, 0, 0, 1};
float4x4 transform = {1, 0, 0, 0,  0, 1, 0, 0,  0, 0, 1, 0,  0, 0, 0, 1};
texture image;

vertexshader Quad {
    in vec4 POSITION;
    in vec2 TEXCOORD0;
    out vec2 uv;
    void main() { gl_Position = POSITION * transform; uv = TEXCOORD0; }
}

pixelshader Tint {
    void main() { fragColor = tint; }
}

pixelshader Sample {
    in vec2 uv;
    void main() { fragColor = texture(image, uv); }
}

technique Plain {
    pass 0 {
        VertexShader = Quad;
        PixelShader = Tint;
        AlphaTestEnable = false;
    }
    pass 1 {
        VertexShader = Quad;
        PixelShader = Sample;
        AlphaTestEnable = true;
        AlphaFunc = GreaterEqual;
        AlphaRef = 77;
        ZFunc = Always;
        Texture[1] = image;
        MinFilter[1] = Point;
        MagFilter[1] = Point;
        AddressU[1] = Clamp;
    }
}

technique Other {
    pass 0 {
        VertexShader = Quad;
        PixelShader = Tint;
    }
}
)";

const D3DXVECTOR4 kGreen = {0, 1, 0, 1};

class EffectDeviceTest : public EffectTest {};

TEST_F(EffectDeviceTest, TheEmbeddedEffectCreatesWithTheSevenPassesOfTStandard) {
    ID3DXEffect* effect = Create(EmbeddedEffectText());
    ASSERT_NE(effect, nullptr);
    ASSERT_EQ(effect->SetTechnique("TStandard"), D3D_OK);
    ASSERT_NE(effect->GetTechniqueByName("TStandard"), nullptr);
    for (const char* name : {"baseTexture", "gScale", "matWorldViewProj", "matWorldView",
                             "matWorld", "matViewProj", "matInvWorldView", "eyePosition"})
        EXPECT_NE(effect->GetParameterByName(nullptr, name), nullptr) << name;
    UINT passes = 0;
    ASSERT_EQ(effect->Begin(&passes, D3DXFX_DONOTSAVESTATE), D3D_OK);
    EXPECT_GE(passes, 7u);
    for (UINT pass = 0; pass < 7; ++pass) {
        EXPECT_EQ(effect->BeginPass(pass), D3D_OK) << pass;
        EXPECT_EQ(effect->EndPass(), D3D_OK) << pass;
    }
    EXPECT_EQ(effect->End(), D3D_OK);
}

TEST_F(EffectDeviceTest, TheExampleOfTheFormatDescriptionCreates) {
    std::ifstream file(DF_EFFECTS_DOC);
    ASSERT_TRUE(file) << DF_EFFECTS_DOC;
    std::stringstream doc;
    doc << file.rdbuf();
    const std::string text = doc.str();
    const size_t heading = text.find("## Example");
    ASSERT_NE(heading, std::string::npos);
    const size_t open = text.find("```\n", heading);
    ASSERT_NE(open, std::string::npos);
    const size_t close = text.find("```", open + 4);
    ASSERT_NE(close, std::string::npos);
    ID3DXEffect* effect = Create(text.substr(open + 4, close - open - 4));
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(effect->SetTechnique("Simple"), D3D_OK);
}

TEST_F(EffectDeviceTest, GlslErrorsNameTheTechniqueThePassTheEffectLineAndTheCompiler) {
    struct Case {
        const char* name;
        std::string text;
        const char* what;  // what the message says failed
        int line;          // the effect line it names
    };
    const std::string shaders =
        "vertexshader V {\n"                                             // line 1
        "    in vec4 POSITION;\n"                                        // 2
        "    out vec2 uv;\n"                                             // 3
        "    void main() { gl_Position = POSITION; uv = vec2(0.0); }\n"  // 4
        "}\n"                                                            // 5
        "vertexshader BadV {\n"                                          // 6
        "    in vec4 POSITION;\n"                                        // 7
        "    void main() {\n"                                            // 8
        "        gl_Position = undefinedInVertex;\n"                     // 9
        "    }\n"                                                        // 10
        "}\n"                                                            // 11
        "pixelshader P {\n"                                              // 12
        "    void main() { fragColor = vec4(1.0); }\n"                   // 13
        "}\n"                                                            // 14
        "pixelshader BadP {\n"                                           // 15
        "    void main() {\n"                                            // 16
        "        fragColor = undefinedInPixel;\n"                        // 17
        "    }\n"                                                        // 18
        "}\n"                                                            // 19
        "pixelshader Mismatched {\n"                                     // 20
        "    in vec3 uv;\n"                                              // 21: V writes a vec2
        "    void main() { fragColor = vec4(uv, 1.0); }\n"               // 22
        "}\n"                                                            // 23
        "technique T {\n"                                                // 24
        "    pass 0 { VertexShader = V; PixelShader = P; }\n"            // 25
        "    pass 1 {\n";                                                // 26
    const Case cases[] = {
        {"vertex", shaders + "VertexShader = BadV; PixelShader = P; } }\n",
         "vertex shader 'BadV' does not compile", 9},
        {"pixel", shaders + "VertexShader = V; PixelShader = BadP; } }\n",
         "pixel shader 'BadP' does not compile", 17},
        {"link", shaders + "VertexShader = V; PixelShader = Mismatched; } }\n",
         "vertex shader 'V' and pixel shader 'Mismatched' do not link", 26},
    };
    for (const Case& c : cases) {
        ID3DXEffect* effect = nullptr;
        std::string errors;
        EXPECT_TRUE(FAILED(Create(c.text, &effect, &errors))) << c.name;
        EXPECT_EQ(effect, nullptr) << c.name;
        if (effect) effect->Release();
        EXPECT_EQ(errors.rfind("effect(" + std::to_string(c.line) +
                                   "): error: technique 'T', "
                                   "pass 1: " +
                                   c.what + ":\n",
                               0),
                  0u)
            << c.name << ": " << errors;
        // The compiler's own message follows, about what is wrong.
        const char* subject = c.line == 9    ? "undefinedInVertex"
                              : c.line == 17 ? "undefinedInPixel"
                                             : "uv";
        EXPECT_NE(errors.find(subject), std::string::npos) << c.name << ": " << errors;
    }
}

TEST_F(EffectDeviceTest, ErrorsInTheEffectTextNameTheirLine) {
    ID3DXEffect* effect = nullptr;
    std::string errors;
    EXPECT_EQ(Create("float a;\ntexture t;\nfloat4 b = {1, 2};\n", &effect, &errors),
              D3DXERR_INVALIDDATA);
    EXPECT_EQ(effect, nullptr);
    EXPECT_EQ(errors.rfind("effect(3,12): error: ", 0), 0u) << errors;
}

TEST_F(EffectDeviceTest, InputThatIsNoEffectFailsWithoutCrashing) {
    std::mt19937 random(1234);
    std::string noise(4096, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case silent[] = {{"random bytes", noise}, {"zeros", std::string(64, '\0')}};
    for (const Case& c : silent) {
        ID3DXEffect* effect = nullptr;
        std::string errors;
        EXPECT_TRUE(FAILED(Create(c.bytes, &effect, &errors))) << c.name;
        EXPECT_EQ(effect, nullptr) << c.name;
        EXPECT_EQ(errors, "") << c.name;  // nothing useful to say about bytes that are no text
    }
    ID3DXBuffer* buffer = nullptr;
    ID3DXEffect* effect = nullptr;
    EXPECT_EQ(D3DXCreateEffect(m_device, "", 0, nullptr, nullptr, 0, nullptr, &effect, &buffer),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(buffer, nullptr);
    EXPECT_EQ(
        D3DXCreateEffect(m_device, nullptr, 10, nullptr, nullptr, 0, nullptr, &effect, &buffer),
        D3DERR_INVALIDCALL);

    // Every cut of the real effect fails (or, cut after its last brace, succeeds) and says
    // where, reading no byte past the length it was given.
    const std::string text = EmbeddedEffectText();
    const size_t lastBrace = text.rfind('}');
    for (size_t length = 1; length < text.size(); length += 97) {
        const std::string cut = text.substr(0, length);
        std::string errors;
        const HRESULT hr = Create(cut, &effect, &errors);
        if (length > lastBrace) {
            EXPECT_EQ(hr, D3D_OK) << errors;
            if (effect) effect->Release();
            continue;
        }
        EXPECT_TRUE(FAILED(hr)) << length;
        EXPECT_EQ(effect, nullptr);
        EXPECT_EQ(errors.rfind("effect(", 0), 0u) << length << ": " << errors;
    }
}

TEST_F(EffectDeviceTest, RefusesWhatItDoesNotOfferWithAResult) {
    const std::string text = kSmallEffect;
    const D3DXMACRO defines[] = {{"A", "1"}, {nullptr, nullptr}};
    const D3DXMACRO none[] = {{nullptr, nullptr}};
    ID3DXEffect* effect = nullptr;
    ID3DXBuffer* buffer = nullptr;
    EXPECT_EQ(D3DXCreateEffect(m_device, text.data(), static_cast<UINT>(text.size()), defines,
                               nullptr, 0, nullptr, &effect, &buffer),
              D3DERR_INVALIDCALL);
    EXPECT_NE(TakeText(buffer), "");
    buffer = nullptr;
    EXPECT_EQ(D3DXCreateEffect(m_device, text.data(), static_cast<UINT>(text.size()), none, nullptr,
                               0, nullptr, &effect, &buffer),
              D3D_OK);
    ASSERT_NE(effect, nullptr);
    effect->Release();
    EXPECT_EQ(D3DXCreateEffect(nullptr, text.data(), static_cast<UINT>(text.size()), nullptr,
                               nullptr, 0, nullptr, &effect, nullptr),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(D3DXCreateEffect(m_device, text.data(), static_cast<UINT>(text.size()), nullptr,
                               nullptr, 0, nullptr, nullptr, nullptr),
              D3DERR_INVALIDCALL);
}

// A device that offers Direct3D 9 and nothing of the GLSL side.
class DeviceWithoutGlsl final : public IDirect3DDevice9 {
public:
    HRESULT QueryInterface(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++m_references; }
    ULONG Release() override { return --m_references; }
    HRESULT GetDirect3D(IDirect3D9**) override { return E_FAIL; }
    HRESULT GetDeviceCaps(D3DCAPS9*) override { return E_FAIL; }
    HRESULT CreateTexture(UINT, UINT, UINT, DWORD, D3DFORMAT, D3DPOOL, IDirect3DTexture9**,
                          HANDLE*) override {
        return E_FAIL;
    }
    HRESULT CreateOffscreenPlainSurface(UINT, UINT, D3DFORMAT, D3DPOOL, IDirect3DSurface9**,
                                        HANDLE*) override {
        return E_FAIL;
    }
    HRESULT CreateVertexDeclaration(const D3DVERTEXELEMENT9*,
                                    IDirect3DVertexDeclaration9**) override {
        return E_FAIL;
    }
    HRESULT GetBackBuffer(UINT, UINT, D3DBACKBUFFER_TYPE, IDirect3DSurface9**) override {
        return E_FAIL;
    }
    HRESULT GetRenderTarget(DWORD, IDirect3DSurface9**) override { return E_FAIL; }
    HRESULT SetRenderTarget(DWORD, IDirect3DSurface9*) override { return E_FAIL; }
    HRESULT GetRenderTargetData(IDirect3DSurface9*, IDirect3DSurface9*) override { return E_FAIL; }
    HRESULT SetViewport(const D3DVIEWPORT9*) override { return E_FAIL; }
    HRESULT GetViewport(D3DVIEWPORT9*) override { return E_FAIL; }
    HRESULT SetRenderState(D3DRENDERSTATETYPE, DWORD) override { return E_FAIL; }
    HRESULT GetRenderState(D3DRENDERSTATETYPE, DWORD*) override { return E_FAIL; }
    HRESULT SetSamplerState(DWORD, D3DSAMPLERSTATETYPE, DWORD) override { return E_FAIL; }
    HRESULT GetSamplerState(DWORD, D3DSAMPLERSTATETYPE, DWORD*) override { return E_FAIL; }
    HRESULT SetScissorRect(const RECT*) override { return E_FAIL; }
    HRESULT GetScissorRect(RECT*) override { return E_FAIL; }
    HRESULT SetTexture(DWORD, IDirect3DBaseTexture9*) override { return E_FAIL; }
    HRESULT GetTexture(DWORD, IDirect3DBaseTexture9**) override { return E_FAIL; }
    HRESULT SetVertexDeclaration(IDirect3DVertexDeclaration9*) override { return E_FAIL; }
    HRESULT GetVertexDeclaration(IDirect3DVertexDeclaration9**) override { return E_FAIL; }
    HRESULT BeginScene() override { return E_FAIL; }
    HRESULT EndScene() override { return E_FAIL; }
    HRESULT Clear(DWORD, const D3DRECT*, DWORD, D3DCOLOR, float, DWORD) override { return E_FAIL; }
    HRESULT DrawPrimitiveUP(D3DPRIMITIVETYPE, UINT, const void*, UINT) override { return E_FAIL; }
    HRESULT Present(const RECT*, const RECT*, HWND, const void*) override { return E_FAIL; }

    ULONG m_references = 1;
};

TEST_F(EffectDeviceTest, ADeviceWithoutTheGlslSideIsAFailureWithAReason) {
    DeviceWithoutGlsl device;
    const std::string text = kSmallEffect;
    ID3DXEffect* effect = nullptr;
    ID3DXBuffer* buffer = nullptr;
    EXPECT_TRUE(FAILED(D3DXCreateEffect(&device, text.data(), static_cast<UINT>(text.size()),
                                        nullptr, nullptr, 0, nullptr, &effect, &buffer)));
    EXPECT_EQ(effect, nullptr);
    EXPECT_NE(TakeText(buffer).find("IDirect3DDevice9Gl"), std::string::npos);
    EXPECT_EQ(device.m_references, 1u);
}

TEST_F(EffectDeviceTest, AParameterSetByNameOrHandleReachesTheShader) {
    ID3DXEffect* effect = Create(kSmallEffect);
    ASSERT_NE(effect, nullptr);
    ASSERT_EQ(effect->SetTechnique("Plain"), D3D_OK);
    ClearTarget(0xFF000000);
    DrawPass(effect, 0, 8, 8, 24, 24);
    EXPECT_EQ(Pixel(ReadBack(), 16, 16), 0xFFFF0000u);  // the default value

    ASSERT_EQ(effect->SetVector("tint", &kGreen), D3D_OK);
    DrawPass(effect, 0, 8, 8, 24, 24);
    EXPECT_EQ(Pixel(ReadBack(), 16, 16), 0xFF00FF00u);

    const D3DXVECTOR4 blue = {0, 0, 1, 1};
    D3DXHANDLE tint = effect->GetParameterByName(nullptr, "tint");
    ASSERT_NE(tint, nullptr);
    ASSERT_EQ(effect->SetVector(tint, &blue), D3D_OK);
    D3DXVECTOR4 back{};
    EXPECT_EQ(effect->GetVector("tint", &back), D3D_OK);
    EXPECT_EQ(back.z, 1.0f);
    DrawPass(effect, 0, 8, 8, 24, 24);
    EXPECT_EQ(Pixel(ReadBack(), 16, 16), 0xFF0000FFu);
}

TEST_F(EffectDeviceTest, MatricesReachTheShaderInTheRowVectorConvention) {
    ID3DXEffect* effect = Create(kSmallEffect);
    ASSERT_NE(effect, nullptr);
    // Translation in the fourth row, as D3DX builds it: half the target to the right, which
    // is 32 pixels on the 64-pixel target.
    D3DXMATRIX move{};
    move._11 = move._22 = move._33 = move._44 = 1.0f;
    move._41 = 1.0f;
    ASSERT_EQ(effect->SetMatrix("transform", &move), D3D_OK);
    D3DXMATRIX back{};
    ASSERT_EQ(effect->GetMatrix("transform", &back), D3D_OK);
    EXPECT_EQ(back._41, 1.0f);
    ClearTarget(0xFF000000);
    DrawPass(effect, 0, 8, 8, 24, 24);
    const auto pixels = ReadBack();
    EXPECT_EQ(Pixel(pixels, 16, 16), 0xFF000000u);
    EXPECT_EQ(Pixel(pixels, 48, 16), 0xFFFF0000u);
}

TEST_F(EffectDeviceTest, AMissingParameterIsAHarmlessNoOp) {
    ID3DXEffect* effect = Create(kSmallEffect);
    ASSERT_NE(effect, nullptr);
    D3DXHANDLE missing = effect->GetParameterByName(nullptr, "gScale");
    EXPECT_EQ(missing, nullptr);
    EXPECT_EQ(effect->GetParameterByName("tint", "x"), nullptr);  // no members
    const D3DXMATRIX matrix{};
    float f = 0;
    D3DXVECTOR4 v{};
    D3DXMATRIX m{};
    for (D3DXHANDLE handle : {missing, static_cast<D3DXHANDLE>("gScale")}) {
        EXPECT_EQ(effect->SetFloat(handle, 3.0f), D3DERR_INVALIDCALL);
        EXPECT_EQ(effect->SetVector(handle, &kGreen), D3DERR_INVALIDCALL);
        EXPECT_EQ(effect->SetMatrix(handle, &matrix), D3DERR_INVALIDCALL);
        EXPECT_EQ(effect->SetTexture(handle, nullptr), D3DERR_INVALIDCALL);
        EXPECT_EQ(effect->GetFloat(handle, &f), D3DERR_INVALIDCALL);
        EXPECT_EQ(effect->GetVector(handle, &v), D3DERR_INVALIDCALL);
        EXPECT_EQ(effect->GetMatrix(handle, &m), D3DERR_INVALIDCALL);
    }
    // A parameter of another type is refused the same way.
    EXPECT_EQ(effect->SetFloat("tint", 1.0f), D3DERR_INVALIDCALL);
    EXPECT_EQ(effect->SetMatrix("tint", &matrix), D3DERR_INVALIDCALL);
    EXPECT_EQ(effect->SetTexture("transform", nullptr), D3DERR_INVALIDCALL);
    ClearTarget(0xFF000000);
    DrawPass(effect, 0, 8, 8, 24, 24);
    EXPECT_EQ(Pixel(ReadBack(), 16, 16), 0xFFFF0000u);
}

TEST_F(EffectDeviceTest, PassStatesStayAfterEndUnderDoNotSaveStateAndAreRestoredWithout) {
    ID3DXEffect* effect = Create(kSmallEffect);
    ASSERT_NE(effect, nullptr);
    IDirect3DTexture9* before = MakeTexture(1, 1, [](UINT, UINT) { return 0xFFFFFFFFu; });
    IDirect3DTexture9* image = MakeTexture(1, 1, [](UINT, UINT) { return 0xFFFFFFFFu; });
    effect->SetTexture("image", image);

    struct Case {
        DWORD flags;
        bool kept;
    };
    for (const Case c : {Case{0, false}, Case{D3DXFX_DONOTSAVESTATE, true}}) {
        m_device->SetRenderState(D3DRS_ALPHATESTENABLE, FALSE);
        m_device->SetRenderState(D3DRS_ALPHAREF, 5);
        m_device->SetRenderState(D3DRS_ZFUNC, D3DCMP_LESSEQUAL);
        m_device->SetSamplerState(1, D3DSAMP_MINFILTER, D3DTEXF_LINEAR);
        m_device->SetTexture(1, before);
        UseProgram(d3d9test::Output::VertexColor);

        UINT passes = 0;
        ASSERT_EQ(effect->Begin(&passes, c.flags), D3D_OK);
        EXPECT_EQ(passes, 2u);
        ASSERT_EQ(effect->BeginPass(1), D3D_OK);
        DWORD value = 0;
        m_device->GetRenderState(D3DRS_ALPHAREF, &value);
        EXPECT_EQ(value, 77u);  // what the pass set is in force during it
        ASSERT_EQ(effect->EndPass(), D3D_OK);
        ASSERT_EQ(effect->End(), D3D_OK);

        m_device->GetRenderState(D3DRS_ALPHATESTENABLE, &value);
        EXPECT_EQ(value, c.kept ? DWORD{TRUE} : DWORD{FALSE}) << c.flags;
        m_device->GetRenderState(D3DRS_ALPHAREF, &value);
        EXPECT_EQ(value, c.kept ? 77u : 5u) << c.flags;
        m_device->GetRenderState(D3DRS_ZFUNC, &value);
        EXPECT_EQ(value, c.kept ? DWORD{D3DCMP_ALWAYS} : DWORD{D3DCMP_LESSEQUAL}) << c.flags;
        m_device->GetSamplerState(1, D3DSAMP_MINFILTER, &value);
        EXPECT_EQ(value, c.kept ? DWORD{D3DTEXF_POINT} : DWORD{D3DTEXF_LINEAR}) << c.flags;
        IDirect3DBaseTexture9* bound = nullptr;
        m_device->GetTexture(1, &bound);
        EXPECT_EQ(bound, static_cast<IDirect3DBaseTexture9*>(c.kept ? image : before)) << c.flags;
        if (bound) bound->Release();
        IDirect3DShaderProgram9Gl* program = nullptr;
        m_gl->GetShaderProgram(&program);
        EXPECT_EQ(program == m_program, !c.kept) << c.flags;
        if (program) program->Release();
    }
}

TEST_F(EffectDeviceTest, TheTextureBoundInBeginPassIsWhatThePassSamples) {
    ID3DXEffect* effect = Create(kSmallEffect);
    ASSERT_NE(effect, nullptr);
    IDirect3DTexture9* red = MakeTexture(2, 2, [](UINT, UINT) { return 0xFFFF0000u; });
    IDirect3DTexture9* blue = MakeTexture(2, 2, [](UINT, UINT) { return 0xFF0000FFu; });
    // Something else on stage 0, which the pass does not use.
    m_device->SetTexture(0, blue);
    ASSERT_EQ(effect->SetTexture("image", red), D3D_OK);
    ClearTarget(0xFF000000);
    DrawPass(effect, 1, 8, 8, 24, 24);
    EXPECT_EQ(Pixel(ReadBack(), 16, 16), 0xFFFF0000u);

    // Changed inside a pass, the texture reaches the device with CommitChanges.
    d3d9test::Vertex quad[4];
    d3d9test::QuadVertices(8, 8, 24, 24, 0.0f, 0xFFFFFFFF, kWidth, kHeight, quad);
    m_device->BeginScene();
    ASSERT_EQ(effect->Begin(nullptr, D3DXFX_DONOTSAVESTATE), D3D_OK);
    ASSERT_EQ(effect->BeginPass(1), D3D_OK);
    ASSERT_EQ(effect->SetTexture("image", blue), D3D_OK);
    ASSERT_EQ(effect->CommitChanges(), D3D_OK);
    m_device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof quad[0]);
    effect->EndPass();
    effect->End();
    m_device->EndScene();
    EXPECT_EQ(Pixel(ReadBack(), 16, 16), 0xFF0000FFu);
}

TEST_F(EffectDeviceTest, CallsOutOfOrderFailWithACode) {
    ID3DXEffect* effect = Create(kSmallEffect);
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(effect->BeginPass(0), D3DERR_INVALIDCALL);  // outside Begin
    EXPECT_EQ(effect->EndPass(), D3DERR_INVALIDCALL);
    EXPECT_EQ(effect->CommitChanges(), D3DERR_INVALIDCALL);
    EXPECT_EQ(effect->End(), D3DERR_INVALIDCALL);
    EXPECT_EQ(effect->SetTechnique("Missing"), D3DERR_INVALIDCALL);
    EXPECT_EQ(effect->SetTechnique(nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(effect->Begin(nullptr, 0x80), D3DERR_INVALIDCALL);  // unknown flag

    EXPECT_EQ(effect->SetTechnique("Other"), D3D_OK);
    EXPECT_STREQ(effect->GetCurrentTechnique(), "Other");
    EXPECT_EQ(effect->SetTechnique(effect->GetTechniqueByName("Plain")), D3D_OK);
    EXPECT_EQ(effect->GetCurrentTechnique(), effect->GetTechniqueByName("Plain"));
    UINT passes = 0;
    ASSERT_EQ(effect->Begin(&passes, D3DXFX_DONOTSAVESTATE), D3D_OK);
    EXPECT_EQ(effect->Begin(&passes, D3DXFX_DONOTSAVESTATE), D3DERR_INVALIDCALL);
    EXPECT_EQ(effect->SetTechnique("Other"), D3DERR_INVALIDCALL);
    EXPECT_EQ(effect->BeginPass(2), D3DERR_INVALIDCALL);
    EXPECT_EQ(effect->BeginPass(0xFFFFFFFFu), D3DERR_INVALIDCALL);
    ASSERT_EQ(effect->BeginPass(0), D3D_OK);
    EXPECT_EQ(effect->BeginPass(1), D3DERR_INVALIDCALL);  // a pass is open
    EXPECT_EQ(effect->EndPass(), D3D_OK);
    EXPECT_EQ(effect->EndPass(), D3DERR_INVALIDCALL);
    EXPECT_EQ(effect->End(), D3D_OK);
    EXPECT_EQ(effect->End(), D3DERR_INVALIDCALL);
}

TEST_F(EffectDeviceTest, ReferencesAreHeldOnceAndAllGivenBack) {
    const ULONG before = d3d9test::LiveObjects(m_d3d);
    IDirect3DTexture9* first = MakeTexture(2, 2, [](UINT, UINT) { return 0xFFFFFFFFu; });
    IDirect3DTexture9* second = MakeTexture(2, 2, [](UINT, UINT) { return 0xFFFFFFFFu; });
    const ULONG textureRefs = first->AddRef() - 1;
    first->Release();
    const ULONG deviceRefs = m_device->AddRef() - 1;
    m_device->Release();

    ID3DXEffect* effect = nullptr;
    std::string errors;
    ASSERT_EQ(Create(kSmallEffect, &effect, &errors), D3D_OK) << errors;
    IDirect3DDevice9* device = nullptr;
    ASSERT_EQ(effect->GetDevice(&device), D3D_OK);
    EXPECT_EQ(device, m_device);
    device->Release();

    EXPECT_EQ(effect->SetTexture("image", first), D3D_OK);
    EXPECT_EQ(effect->SetTexture("image", first), D3D_OK);  // the same again: still one
    EXPECT_EQ(first->AddRef() - 1, textureRefs + 1);
    first->Release();
    EXPECT_EQ(effect->SetTexture("image", second), D3D_OK);  // the first is given back
    EXPECT_EQ(first->AddRef() - 1, textureRefs);
    first->Release();
    ClearTarget(0xFF000000);
    DrawPass(effect, 1, 8, 8, 24, 24);  // its program and the texture are bound now
    m_device->SetTexture(1, nullptr);

    EXPECT_EQ(effect->AddRef(), 2u);
    EXPECT_EQ(effect->Release(), 1u);
    EXPECT_EQ(effect->Release(), 0u);
    EXPECT_EQ(second->AddRef() - 1, textureRefs);
    second->Release();
    EXPECT_EQ(m_device->AddRef() - 1, deviceRefs);
    m_device->Release();
    // Nothing of the effect is alive: no program, the device holds what it held before.
    EXPECT_EQ(d3d9test::LiveObjects(m_d3d), before + 2);  // the two textures
}

TEST_F(EffectDeviceTest, AnEffectReleasedInsideBeginPutsBackWhatItRecorded) {
    ID3DXEffect* effect = nullptr;
    std::string errors;
    ASSERT_EQ(Create(kSmallEffect, &effect, &errors), D3D_OK) << errors;
    m_device->SetRenderState(D3DRS_ALPHAREF, 5);
    ASSERT_EQ(effect->Begin(nullptr, 0), D3D_OK);
    ASSERT_EQ(effect->BeginPass(1), D3D_OK);
    EXPECT_EQ(effect->Release(), 0u);
    DWORD value = 0;
    m_device->GetRenderState(D3DRS_ALPHAREF, &value);
    EXPECT_EQ(value, 5u);
    IDirect3DShaderProgram9Gl* program = nullptr;
    m_gl->GetShaderProgram(&program);
    EXPECT_EQ(program, m_program);
    if (program) program->Release();
}

}  // namespace
}  // namespace effecttest
