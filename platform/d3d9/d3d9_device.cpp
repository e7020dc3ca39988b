#include "platform/d3d9/d3d9_device.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/d3d9/d3d9_direct3d.h"
#include "platform/d3d9/d3d9_gl_context.h"
#include "platform/d3d9/d3d9_shader_source.h"
#include "platform/win32/native_window.h"

namespace d3d9gl {

namespace {

RECT Intersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}

bool IsEmpty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

float FloatFromBits(DWORD bits) {
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

}  // namespace

// ---- Creation and teardown ------------------------------------------------------------------

HRESULT Device::Create(Direct3D9* d3d, const D3DCAPS9& caps, HWND focusWindow, DWORD behaviorFlags,
                       D3DPRESENT_PARAMETERS* parameters, Device** device) {
    if (!device || !parameters) return D3DERR_INVALIDCALL;
    *device = nullptr;
    const DWORD processing =
        behaviorFlags & (D3DCREATE_HARDWARE_VERTEXPROCESSING | D3DCREATE_SOFTWARE_VERTEXPROCESSING |
                         D3DCREATE_MIXED_VERTEXPROCESSING);
    if (processing != D3DCREATE_HARDWARE_VERTEXPROCESSING &&
        processing != D3DCREATE_SOFTWARE_VERTEXPROCESSING &&
        processing != D3DCREATE_MIXED_VERTEXPROCESSING)
        return D3DERR_INVALIDCALL;

    D3DPRESENT_PARAMETERS p = *parameters;
    HWND window = p.hDeviceWindow ? p.hDeviceWindow : focusWindow;
    SDL_Window* sdlWindow = win32::NativeWindow(window);
    if (!sdlWindow) return D3DERR_INVALIDCALL;
    if (!p.Windowed) return D3DERR_NOTAVAILABLE;  // full screen is not offered
    if (p.MultiSampleType != D3DMULTISAMPLE_NONE) return D3DERR_NOTAVAILABLE;
    if (p.BackBufferFormat == D3DFMT_UNKNOWN) p.BackBufferFormat = D3DFMT_X8R8G8B8;
    if (p.BackBufferFormat != D3DFMT_A8R8G8B8 && p.BackBufferFormat != D3DFMT_X8R8G8B8)
        return D3DERR_NOTAVAILABLE;
    if (p.EnableAutoDepthStencil && p.AutoDepthStencilFormat != D3DFMT_D16 &&
        p.AutoDepthStencilFormat != D3DFMT_D24S8)
        return D3DERR_NOTAVAILABLE;
    if (p.BackBufferWidth == 0 || p.BackBufferHeight == 0) {
        // A windowed device without a size takes the client area's.
        RECT client{};
        GetClientRect(window, &client);
        if (p.BackBufferWidth == 0) p.BackBufferWidth = static_cast<UINT>(client.right);
        if (p.BackBufferHeight == 0) p.BackBufferHeight = static_cast<UINT>(client.bottom);
    }
    if (p.BackBufferWidth == 0 || p.BackBufferHeight == 0 ||
        p.BackBufferWidth > caps.MaxTextureWidth || p.BackBufferHeight > caps.MaxTextureHeight)
        return D3DERR_INVALIDCALL;
    if (p.BackBufferCount == 0) p.BackBufferCount = 1;
    if (p.BackBufferCount > 3) return D3DERR_INVALIDCALL;

    SDL_GLContext context = CreateCoreContext(sdlWindow);
    if (!context) return D3DERR_NOTAVAILABLE;
    // Interval one waits for the vertical retrace at each present; immediate does not.
    SDL_GL_SetSwapInterval(p.PresentationInterval == D3DPRESENT_INTERVAL_IMMEDIATE ? 0 : 1);

    Device* created = new Device(d3d, caps, window, sdlWindow, context, p);
    if (!created->CreateBackBuffer()) {
        created->Release();
        return D3DERR_OUTOFVIDEOMEMORY;
    }
    *parameters = p;
    *device = created;
    return D3D_OK;
}

Device::Device(Direct3D9* d3d, const D3DCAPS9& caps, HWND window, SDL_Window* sdlWindow,
               SDL_GLContext context, const D3DPRESENT_PARAMETERS& parameters)
    : m_d3d(d3d),
      m_caps(caps),
      m_window(window),
      m_sdlWindow(sdlWindow),
      m_context(context),
      m_parameters(parameters) {
    m_d3d->AddRef();
    win32::RetainWindow(m_window);
    DefaultRenderStates(m_renderStates, parameters.EnableAutoDepthStencil != FALSE);
    for (auto& sampler : m_samplerStates) DefaultSamplerStates(sampler);

    MakeCurrent();
    m_gl.Invalidate();
    // Dithering would make blended results depend on the pixel's position.
    glDisable(GL_DITHER);
    glFrontFace(GL_CCW);  // see DecodeCullMode
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glGenVertexArrays(1, &m_vertexArray);
    glBindVertexArray(m_vertexArray);
    glGenBuffers(1, &m_vertexBuffer);
    glGenSamplers(kTextureUnitCount, m_samplers);
    for (int unit = 0; unit < kTextureUnitCount; ++unit) glBindSampler(unit, m_samplers[unit]);
    m_dirtySamplers = (1u << kTextureUnitCount) - 1;
    m_anisotropy = epoxy_has_gl_extension("GL_EXT_texture_filter_anisotropic") ||
                   epoxy_has_gl_extension("GL_ARB_texture_filter_anisotropic");
}

bool Device::CreateBackBuffer() {
    m_backBuffer = Surface::CreateBackBuffer(
        this, m_parameters.BackBufferWidth, m_parameters.BackBufferHeight,
        m_parameters.BackBufferFormat,
        m_parameters.EnableAutoDepthStencil ? m_parameters.AutoDepthStencilFormat : D3DFMT_UNKNOWN);
    if (!m_backBuffer) return false;
    m_renderTarget = m_backBuffer;
    m_viewport = {0, 0, m_parameters.BackBufferWidth, m_parameters.BackBufferHeight, 0.0f, 1.0f};
    m_scissor = {0, 0, static_cast<LONG>(m_parameters.BackBufferWidth),
                 static_cast<LONG>(m_parameters.BackBufferHeight)};
    m_dirty = kDirtyAll;
    return true;
}

void Device::OnLastPublicReference() {
    // Nobody holds the device or anything made on it any more: its bindings go, and with them
    // the objects only they kept. Each of those holds the device (privately) until it has
    // given back its OpenGL objects, so the device itself goes with the last of them.
    MakeCurrent();
    for (auto& texture : m_textures) texture.reset();
    m_declaration.reset();
    m_program.reset();
}

Device::~Device() {
    MakeCurrent();
    if (m_backBuffer) m_backBuffer->DestroyOwned();
    glDeleteSamplers(kTextureUnitCount, m_samplers);
    glDeleteBuffers(1, &m_vertexBuffer);
    glDeleteVertexArrays(1, &m_vertexArray);
    DeleteContext(m_context);
    win32::ReleaseWindow(m_window);
    m_d3d->Release();
}

HRESULT Device::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDirect3DDevice9)
        *object = static_cast<IDirect3DDevice9*>(this);
    else if (iid == IID_IDirect3DDevice9Gl)
        *object = static_cast<IDirect3DDevice9Gl*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

void Device::MakeCurrent() {
    d3d9gl::MakeCurrent(m_sdlWindow, m_context);
}

HRESULT Device::GetDirect3D(IDirect3D9** d3d) {
    if (!d3d) return D3DERR_INVALIDCALL;
    m_d3d->AddRef();
    *d3d = m_d3d;
    return D3D_OK;
}

HRESULT Device::GetDeviceCaps(D3DCAPS9* caps) {
    if (!caps) return D3DERR_INVALIDCALL;
    *caps = m_caps;
    return D3D_OK;
}

// ---- Resources ------------------------------------------------------------------------------

HRESULT Device::CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format,
                              D3DPOOL pool, IDirect3DTexture9** texture, HANDLE* shared) {
    if (!texture) return D3DERR_INVALIDCALL;
    *texture = nullptr;
    if (shared) return D3DERR_INVALIDCALL;
    Texture* created = nullptr;
    HRESULT hr = Texture::Create(this, width, height, levels, usage, format, pool, &created);
    if (SUCCEEDED(hr)) *texture = created;
    return hr;
}

HRESULT Device::CreateOffscreenPlainSurface(UINT width, UINT height, D3DFORMAT format, D3DPOOL pool,
                                            IDirect3DSurface9** surface, HANDLE* shared) {
    if (!surface) return D3DERR_INVALIDCALL;
    *surface = nullptr;
    if (shared || pool != D3DPOOL_SYSTEMMEM) return D3DERR_INVALIDCALL;
    Surface* created = nullptr;
    HRESULT hr = Surface::CreateSystemMemory(this, width, height, format, &created);
    if (SUCCEEDED(hr)) *surface = created;
    return hr;
}

HRESULT Device::CreateVertexDeclaration(const D3DVERTEXELEMENT9* elements,
                                        IDirect3DVertexDeclaration9** declaration) {
    if (!declaration) return D3DERR_INVALIDCALL;
    *declaration = nullptr;
    VertexDeclaration* created = nullptr;
    HRESULT hr = VertexDeclaration::Create(this, elements, &created);
    if (SUCCEEDED(hr)) *declaration = created;
    return hr;
}

HRESULT Device::CreateShaderProgram(LPCSTR vertexSource, LPCSTR fragmentSource,
                                    IDirect3DShaderProgram9Gl** program, IDirect3DText9Gl** log) {
    if (log) *log = nullptr;
    if (!program) return D3DERR_INVALIDCALL;
    *program = nullptr;
    if (!vertexSource || !fragmentSource) return D3DERR_INVALIDCALL;
    MakeCurrent();
    ShaderProgram* created = nullptr;
    std::string text;
    HRESULT hr = ShaderProgram::Create(this, vertexSource, fragmentSource, &created, &text);
    if (FAILED(hr)) {
        if (log && !text.empty()) *log = Text::Create(std::move(text));
        return hr;
    }
    *program = created;
    return D3D_OK;
}

// ---- Targets --------------------------------------------------------------------------------

HRESULT Device::GetBackBuffer(UINT swapChain, UINT index, D3DBACKBUFFER_TYPE type,
                              IDirect3DSurface9** surface) {
    if (!surface) return D3DERR_INVALIDCALL;
    *surface = nullptr;
    // Every back buffer of the chain is the one surface presented.
    if (swapChain != 0 || index >= m_parameters.BackBufferCount || type != D3DBACKBUFFER_TYPE_MONO)
        return D3DERR_INVALIDCALL;
    m_backBuffer->AddRef();
    *surface = m_backBuffer;
    return D3D_OK;
}

HRESULT Device::GetRenderTarget(DWORD index, IDirect3DSurface9** surface) {
    if (!surface) return D3DERR_INVALIDCALL;
    *surface = nullptr;
    if (index != 0) return D3DERR_NOTFOUND;
    m_renderTarget->AddRef();
    *surface = m_renderTarget;
    return D3D_OK;
}

HRESULT Device::SetRenderTarget(DWORD index, IDirect3DSurface9* surface) {
    if (index >= 4) return D3DERR_INVALIDCALL;
    if (index > 0) return surface ? D3DERR_INVALIDCALL : D3D_OK;  // one target at a time
    auto* target = static_cast<Surface*>(surface);
    if (!target || !target->IsRenderTarget() || target->OwnerDevice() != this)
        return D3DERR_INVALIDCALL;
    m_renderTarget = target;
    // Binding target 0 makes the viewport the whole target.
    m_viewport = {0, 0, target->Width(), target->Height(), 0.0f, 1.0f};
    m_scissor = {0, 0, static_cast<LONG>(target->Width()), static_cast<LONG>(target->Height())};
    m_dirty |= kDirtyTarget | kDirtyViewport | kDirtyScissor;
    return D3D_OK;
}

HRESULT Device::GetRenderTargetData(IDirect3DSurface9* renderTarget,
                                    IDirect3DSurface9* destination) {
    auto* source = static_cast<Surface*>(renderTarget);
    auto* target = static_cast<Surface*>(destination);
    if (!source || !target || !source->IsRenderTarget() || !target->IsSystemMemory() ||
        source->OwnerDevice() != this || target->OwnerDevice() != this)
        return D3DERR_INVALIDCALL;
    if (source->Width() != target->Width() || source->Height() != target->Height() ||
        target->Format() != source->Format())
        return D3DERR_INVALIDCALL;
    MakeCurrent();
    // Render targets keep row 0 at the top, so the rows come back in Direct3D's order.
    glBindFramebuffer(GL_READ_FRAMEBUFFER, source->Framebuffer());
    glReadPixels(0, 0, static_cast<GLsizei>(source->Width()),
                 static_cast<GLsizei>(source->Height()), GL_BGRA, GL_UNSIGNED_BYTE,
                 target->Bytes());
    return glGetError() == GL_NO_ERROR ? D3D_OK : D3DERR_INVALIDCALL;
}

void Device::BindTarget() {
    m_gl.DrawFramebuffer(m_renderTarget->Framebuffer());
}

// ---- States ---------------------------------------------------------------------------------

HRESULT Device::SetViewport(const D3DVIEWPORT9* viewport) {
    if (!viewport) return D3DERR_INVALIDCALL;
    const UINT w = m_renderTarget->Width(), h = m_renderTarget->Height();
    if (viewport->X >= w || viewport->Y >= h || viewport->Width == 0 || viewport->Height == 0 ||
        viewport->Width > w - viewport->X || viewport->Height > h - viewport->Y)
        return D3DERR_INVALIDCALL;
    m_viewport = *viewport;
    m_dirty |= kDirtyViewport;
    return D3D_OK;
}

HRESULT Device::GetViewport(D3DVIEWPORT9* viewport) {
    if (!viewport) return D3DERR_INVALIDCALL;
    *viewport = m_viewport;
    return D3D_OK;
}

HRESULT Device::SetRenderState(D3DRENDERSTATETYPE state, DWORD value) {
    if (state >= kD3DRenderStateCount) return D3DERR_INVALIDCALL;
    if (m_renderStates[state] == value) return D3D_OK;
    m_renderStates[state] = value;
    m_dirty |= DirtyGroupOf(state);
    return D3D_OK;
}

HRESULT Device::GetRenderState(D3DRENDERSTATETYPE state, DWORD* value) {
    if (!value || state >= kD3DRenderStateCount) return D3DERR_INVALIDCALL;
    *value = m_renderStates[state];
    return D3D_OK;
}

int Device::SlotOf(DWORD sampler) {
    if (sampler == D3DDMAPSAMPLER) return kTextureUnitCount;
    return TextureUnitOf(sampler);
}

HRESULT Device::SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) {
    const int slot = SlotOf(sampler);
    if (slot < 0 || type == 0 || type >= kD3DSamplerStateCount) return D3DERR_INVALIDCALL;
    if (m_samplerStates[slot][type] == value) return D3D_OK;
    m_samplerStates[slot][type] = value;
    if (slot < kTextureUnitCount) m_dirtySamplers |= 1u << slot;
    return D3D_OK;
}

HRESULT Device::GetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD* value) {
    const int slot = SlotOf(sampler);
    if (!value || slot < 0 || type == 0 || type >= kD3DSamplerStateCount) return D3DERR_INVALIDCALL;
    *value = m_samplerStates[slot][type];
    return D3D_OK;
}

HRESULT Device::SetScissorRect(const RECT* rect) {
    if (!rect) return D3DERR_INVALIDCALL;
    m_scissor = *rect;
    m_dirty |= kDirtyScissor;
    return D3D_OK;
}

HRESULT Device::GetScissorRect(RECT* rect) {
    if (!rect) return D3DERR_INVALIDCALL;
    *rect = m_scissor;
    return D3D_OK;
}

HRESULT Device::SetTexture(DWORD sampler, IDirect3DBaseTexture9* texture) {
    const int slot = SlotOf(sampler);
    if (slot < 0) return D3DERR_INVALIDCALL;
    auto* ours = static_cast<Texture*>(static_cast<IDirect3DTexture9*>(texture));
    if (ours && ours->OwnerDevice() != this) return D3DERR_INVALIDCALL;
    if (m_textures[slot].get() == ours) return D3D_OK;
    m_textures[slot].set(ours);
    if (slot < kTextureUnitCount) m_dirtyTextures |= 1u << slot;
    return D3D_OK;
}

HRESULT Device::GetTexture(DWORD sampler, IDirect3DBaseTexture9** texture) {
    const int slot = SlotOf(sampler);
    if (!texture || slot < 0) return D3DERR_INVALIDCALL;
    Texture* bound = m_textures[slot].get();
    if (bound) bound->AddRef();
    *texture = bound;
    return D3D_OK;
}

HRESULT Device::SetVertexDeclaration(IDirect3DVertexDeclaration9* declaration) {
    auto* ours = static_cast<VertexDeclaration*>(declaration);
    if (ours && ours->OwnerDevice() != this) return D3DERR_INVALIDCALL;
    m_declaration.set(ours);
    return D3D_OK;
}

HRESULT Device::GetVertexDeclaration(IDirect3DVertexDeclaration9** declaration) {
    if (!declaration) return D3DERR_INVALIDCALL;
    VertexDeclaration* bound = m_declaration.get();
    if (bound) bound->AddRef();
    *declaration = bound;
    return D3D_OK;
}

HRESULT Device::SetShaderProgram(IDirect3DShaderProgram9Gl* program) {
    auto* ours = static_cast<ShaderProgram*>(program);
    if (ours && ours->OwnerDevice() != this) return D3DERR_INVALIDCALL;
    m_program.set(ours);
    return D3D_OK;
}

HRESULT Device::GetShaderProgram(IDirect3DShaderProgram9Gl** program) {
    if (!program) return D3DERR_INVALIDCALL;
    ShaderProgram* bound = m_program.get();
    if (bound) bound->AddRef();
    *program = bound;
    return D3D_OK;
}

HRESULT Device::SetUniform(IDirect3DShaderProgram9Gl* program, INT location, GlUniformType type,
                           const void* values, UINT count) {
    auto* ours = static_cast<ShaderProgram*>(program);
    if (!ours || ours->OwnerDevice() != this || (!values && count)) return D3DERR_INVALIDCALL;
    if (location < 0 || count == 0) return D3D_OK;
    MakeCurrent();
    m_gl.UseProgram(ours->Name());
    const auto n = static_cast<GLsizei>(count);
    const auto* f = static_cast<const GLfloat*>(values);
    switch (type) {
        case kGlUniformFloat1:
            glUniform1fv(location, n, f);
            break;
        case kGlUniformFloat2:
            glUniform2fv(location, n, f);
            break;
        case kGlUniformFloat3:
            glUniform3fv(location, n, f);
            break;
        case kGlUniformFloat4:
            glUniform4fv(location, n, f);
            break;
        // Direct3D's matrices are stored row by row for row vectors (v × M). Handed over
        // transposed, GLSL's v * M computes the same product.
        case kGlUniformMatrix4:
            glUniformMatrix4fv(location, n, GL_TRUE, f);
            break;
        case kGlUniformInt1:
            glUniform1iv(location, n, static_cast<const GLint*>(values));
            break;
        default:
            return D3DERR_INVALIDCALL;
    }
    return D3D_OK;
}

// ---- Applying states ------------------------------------------------------------------------

void Device::ApplyBlend() {
    const DWORD* rs = m_renderStates;
    m_gl.Capability(GL_BLEND, rs[D3DRS_ALPHABLENDENABLE] != FALSE);
    const bool separate = rs[D3DRS_SEPARATEALPHABLENDENABLE] != FALSE;
    const GLenum src = DecodeBlendFactor(rs[D3DRS_SRCBLEND]);
    const GLenum dst = DecodeBlendFactor(rs[D3DRS_DESTBLEND]);
    const GLenum op = DecodeBlendOp(rs[D3DRS_BLENDOP]);
    m_gl.BlendFunc(src, dst, separate ? DecodeBlendFactor(rs[D3DRS_SRCBLENDALPHA]) : src,
                   separate ? DecodeBlendFactor(rs[D3DRS_DESTBLENDALPHA]) : dst);
    m_gl.BlendEquation(op, separate ? DecodeBlendOp(rs[D3DRS_BLENDOPALPHA]) : op);
}

void Device::ApplyDepth() {
    // Without a depth buffer OpenGL passes every fragment, as Direct3D does.
    m_gl.Capability(GL_DEPTH_TEST, m_renderStates[D3DRS_ZENABLE] != D3DZB_FALSE);
    m_gl.DepthFunc(DecodeCompareFunc(m_renderStates[D3DRS_ZFUNC]));
    m_gl.DepthMask(m_renderStates[D3DRS_ZWRITEENABLE] != FALSE);
}

void Device::ApplyRaster() {
    const CullSetting cull = DecodeCullMode(m_renderStates[D3DRS_CULLMODE]);
    m_gl.Capability(GL_CULL_FACE, cull.enable);
    if (cull.enable) m_gl.CullFace(cull.face);
    const DWORD fill = m_renderStates[D3DRS_FILLMODE];
    m_gl.PolygonMode(fill == D3DFILL_POINT       ? GL_POINT
                     : fill == D3DFILL_WIREFRAME ? GL_LINE
                                                 : GL_FILL);
}

void Device::ApplyColorMask() {
    const DWORD mask = m_renderStates[D3DRS_COLORWRITEENABLE];
    m_gl.ColorMask(mask & 1, mask & 2, mask & 4, mask & 8);
}

RECT Device::ViewportRect() const {
    return {static_cast<LONG>(m_viewport.X), static_cast<LONG>(m_viewport.Y),
            static_cast<LONG>(m_viewport.X + m_viewport.Width),
            static_cast<LONG>(m_viewport.Y + m_viewport.Height)};
}

void Device::ApplyScissor() {
    // Render targets keep row 0 at the top, so Direct3D's rectangle is OpenGL's box unchanged;
    // right and bottom are exclusive in both.
    const bool enable = m_renderStates[D3DRS_SCISSORTESTENABLE] != FALSE;
    m_gl.Capability(GL_SCISSOR_TEST, enable);
    if (!enable) return;
    const RECT target{0, 0, static_cast<LONG>(m_renderTarget->Width()),
                      static_cast<LONG>(m_renderTarget->Height())};
    const RECT r = Intersect(m_scissor, target);
    m_gl.Scissor(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void Device::ApplyViewport() {
    m_gl.Viewport(static_cast<GLint>(m_viewport.X), static_cast<GLint>(m_viewport.Y),
                  static_cast<GLsizei>(m_viewport.Width), static_cast<GLsizei>(m_viewport.Height));
    m_gl.DepthRange(m_viewport.MinZ, m_viewport.MaxZ);
}

void Device::ApplySampler(int unit) {
    const DWORD* s = m_samplerStates[unit];
    const GLuint sampler = m_samplers[unit];
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_S,
                        static_cast<GLint>(DecodeAddressMode(s[D3DSAMP_ADDRESSU])));
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_T,
                        static_cast<GLint>(DecodeAddressMode(s[D3DSAMP_ADDRESSV])));
    glSamplerParameteri(sampler, GL_TEXTURE_WRAP_R,
                        static_cast<GLint>(DecodeAddressMode(s[D3DSAMP_ADDRESSW])));
    glSamplerParameteri(sampler, GL_TEXTURE_MAG_FILTER,
                        static_cast<GLint>(DecodeMagFilter(s[D3DSAMP_MAGFILTER])));
    glSamplerParameteri(
        sampler, GL_TEXTURE_MIN_FILTER,
        static_cast<GLint>(DecodeMinFilter(s[D3DSAMP_MINFILTER], s[D3DSAMP_MIPFILTER])));
    float border[4];
    ColorToFloats(s[D3DSAMP_BORDERCOLOR], border);
    glSamplerParameterfv(sampler, GL_TEXTURE_BORDER_COLOR, border);
    glSamplerParameterf(sampler, GL_TEXTURE_LOD_BIAS, FloatFromBits(s[D3DSAMP_MIPMAPLODBIAS]));
    // The most detailed level a sampler may use.
    glSamplerParameterf(sampler, GL_TEXTURE_MIN_LOD, static_cast<float>(s[D3DSAMP_MAXMIPLEVEL]));
    if (m_anisotropy) {
        const bool anisotropic = s[D3DSAMP_MINFILTER] == D3DTEXF_ANISOTROPIC ||
                                 s[D3DSAMP_MAGFILTER] == D3DTEXF_ANISOTROPIC;
        const DWORD maxAnisotropy = std::max<DWORD>(1, s[D3DSAMP_MAXANISOTROPY]);
        glSamplerParameterf(
            sampler, GL_TEXTURE_MAX_ANISOTROPY_EXT,
            anisotropic ? static_cast<float>(std::min<DWORD>(maxAnisotropy, 16)) : 1.0f);
    }
}

// ---- Drawing --------------------------------------------------------------------------------

HRESULT Device::BeginScene() {
    if (m_inScene) return D3DERR_INVALIDCALL;
    m_inScene = true;
    return D3D_OK;
}

HRESULT Device::EndScene() {
    if (!m_inScene) return D3DERR_INVALIDCALL;
    m_inScene = false;
    glFlush();
    return D3D_OK;
}

HRESULT Device::Clear(DWORD rectCount, const D3DRECT* rects, DWORD flags, D3DCOLOR color, float z,
                      DWORD stencil) {
    if (rectCount && !rects) return D3DERR_INVALIDCALL;
    if (flags & ~(D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL)) return D3DERR_INVALIDCALL;
    if ((flags & D3DCLEAR_ZBUFFER) && !m_renderTarget->HasDepth()) return D3DERR_INVALIDCALL;
    if ((flags & D3DCLEAR_STENCIL) && !m_renderTarget->HasStencil()) return D3DERR_INVALIDCALL;
    MakeCurrent();
    BindTarget();

    // Direct3D clears the viewport, cut by the scissor rectangle while the scissor test is
    // on, and ignores the colour and depth write masks.
    RECT region = ViewportRect();
    if (m_renderStates[D3DRS_SCISSORTESTENABLE]) region = Intersect(region, m_scissor);
    GLbitfield bits = 0;
    if (flags & D3DCLEAR_TARGET) {
        float rgba[4];
        ColorToFloats(color, rgba);
        glClearColor(rgba[0], rgba[1], rgba[2], rgba[3]);
        m_gl.ColorMask(true, true, true, true);
        m_dirty |= kDirtyColorMask;
        bits |= GL_COLOR_BUFFER_BIT;
    }
    if (flags & D3DCLEAR_ZBUFFER) {
        glClearDepth(std::min(1.0f, std::max(0.0f, z)));
        m_gl.DepthMask(true);
        m_dirty |= kDirtyDepth;
        bits |= GL_DEPTH_BUFFER_BIT;
    }
    if (flags & D3DCLEAR_STENCIL) {
        glClearStencil(static_cast<GLint>(stencil & 0xFF));
        glStencilMask(0xFF);
        bits |= GL_STENCIL_BUFFER_BIT;
    }
    if (!bits) return D3D_OK;
    m_gl.Capability(GL_SCISSOR_TEST, true);
    m_dirty |= kDirtyScissor;
    auto clearRect = [&](const RECT& r) {
        if (IsEmpty(r)) return;
        m_gl.Scissor(r.left, r.top, r.right - r.left, r.bottom - r.top);
        glClear(bits);
    };
    if (rectCount == 0) {
        clearRect(region);
    } else {
        for (DWORD i = 0; i < rectCount; ++i)
            clearRect(Intersect(region, RECT{rects[i].x1, rects[i].y1, rects[i].x2, rects[i].y2}));
    }
    return D3D_OK;
}

HRESULT Device::PrepareDraw(UINT stride) {
    if (!m_inScene || !m_program || !m_declaration) return D3DERR_INVALIDCALL;
    for (const D3DVERTEXELEMENT9& e : m_declaration.get()->Elements())
        if (static_cast<UINT>(e.Offset) + DecodeDeclType(e.Type).size > stride)
            return D3DERR_INVALIDCALL;  // an element would be read past its vertex
    MakeCurrent();
    BindTarget();
    if (m_dirty & kDirtyBlend) ApplyBlend();
    if (m_dirty & kDirtyDepth) ApplyDepth();
    if (m_dirty & kDirtyRaster) ApplyRaster();
    if (m_dirty & kDirtyColorMask) ApplyColorMask();
    if (m_dirty & kDirtyScissor) ApplyScissor();
    if (m_dirty & kDirtyViewport) ApplyViewport();
    m_dirty = 0;

    ShaderProgram* program = m_program.get();
    m_gl.UseProgram(program->Name());
    const PositionFixup fixup = PositionFixupFor(m_viewport.Width, m_viewport.Height);
    program->SetPositionFixup(fixup.x, fixup.y);
    const bool alphaTest = m_renderStates[D3DRS_ALPHATESTENABLE] != FALSE;
    program->SetAlphaTest(alphaTest ? static_cast<int>(m_renderStates[D3DRS_ALPHAFUNC])
                                    : static_cast<int>(D3DCMP_ALWAYS),
                          static_cast<float>(m_renderStates[D3DRS_ALPHAREF] & 0xFF));

    for (int unit = 0; m_dirtyTextures; ++unit) {
        if (!(m_dirtyTextures & (1u << unit))) continue;
        m_dirtyTextures &= ~(1u << unit);
        Texture* texture = m_textures[unit].get();
        m_gl.Texture(unit, texture ? texture->Name() : 0);
    }
    for (int unit = 0; m_dirtySamplers; ++unit) {
        if (!(m_dirtySamplers & (1u << unit))) continue;
        m_dirtySamplers &= ~(1u << unit);
        ApplySampler(unit);
    }

    const VertexDeclaration* declaration = m_declaration.get();
    if (declaration != m_attributesDeclaration || stride != m_attributesStride) {
        m_gl.ArrayBuffer(m_vertexBuffer);
        for (int i = 0; i < kSemanticCount; ++i)
            glDisableVertexAttribArray(static_cast<GLuint>(SemanticAt(i).location));
        for (const D3DVERTEXELEMENT9& e : declaration->Elements()) {
            const Semantic semantic = SemanticOf(e.Usage, e.UsageIndex);
            const DeclTypeInfo type = DecodeDeclType(e.Type);
            if (semantic.location < 0 || !type.supported) continue;
            const auto location = static_cast<GLuint>(semantic.location);
            glEnableVertexAttribArray(location);
            glVertexAttribPointer(location, type.components, type.type, type.normalized,
                                  static_cast<GLsizei>(stride),
                                  reinterpret_cast<const void*>(static_cast<uintptr_t>(e.Offset)));
        }
        m_attributesDeclaration = declaration;
        m_attributesStride = stride;
    }
    return D3D_OK;
}

HRESULT Device::DrawPrimitiveUP(D3DPRIMITIVETYPE type, UINT primitiveCount, const void* vertices,
                                UINT stride) {
    const PrimitiveInfo primitive = DecodePrimitive(type, primitiveCount);
    if (!vertices || stride == 0 || primitive.vertexCount == 0) return D3DERR_INVALIDCALL;
    if (primitive.vertexCount > 0x7FFFFFFFu / stride) return D3DERR_INVALIDCALL;
    HRESULT hr = PrepareDraw(stride);
    if (FAILED(hr)) return hr;
    // The vertices go into a fresh store of the one stream buffer on every draw.
    m_gl.ArrayBuffer(m_vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(primitive.vertexCount * stride), vertices,
                 GL_STREAM_DRAW);
    glDrawArrays(primitive.mode, 0, static_cast<GLsizei>(primitive.vertexCount));
    return D3D_OK;
}

HRESULT Device::Present(const RECT* sourceRect, const RECT* destRect, HWND destWindowOverride,
                        const void* dirtyRegion) {
    if (sourceRect || destRect || destWindowOverride || dirtyRegion) return D3DERR_INVALIDCALL;
    MakeCurrent();
    // The whole back buffer over the whole drawable, whatever size the window has now; the
    // window's framebuffer has its row 0 at the bottom, the back buffer at the top.
    int width = 0, height = 0;
    SDL_GL_GetDrawableSize(m_sdlWindow, &width, &height);
    if (width > 0 && height > 0) {
        const auto w = static_cast<GLint>(m_backBuffer->Width());
        const auto h = static_cast<GLint>(m_backBuffer->Height());
        m_gl.Capability(GL_SCISSOR_TEST, false);  // the scissor test would cut the copy
        m_dirty |= kDirtyScissor;
        glBindFramebuffer(GL_READ_FRAMEBUFFER, m_backBuffer->Framebuffer());
        m_gl.DrawFramebuffer(0);
        glBlitFramebuffer(0, 0, w, h, 0, height, width, 0, GL_COLOR_BUFFER_BIT,
                          (width == w && height == h) ? GL_NEAREST : GL_LINEAR);
        SDL_GL_SwapWindow(m_sdlWindow);
        BindTarget();
    }
    return D3D_OK;
}

}  // namespace d3d9gl
