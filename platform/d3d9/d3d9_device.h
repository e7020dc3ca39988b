// The device: one OpenGL 3.3 core context on the focus window, a back buffer of exactly the
// requested size in a framebuffer object, and Direct3D 9's state model on top. Set* calls
// record their state and mark its group; a draw applies the groups that changed, and the
// OpenGL state cache skips whatever is already in force.
#pragma once

#include <SDL2/SDL.h>
#include <epoxy/gl.h>

#include "platform/d3d9/d3d9_gl.h"
#include "platform/d3d9/d3d9_gl_state.h"
#include "platform/d3d9/d3d9_object.h"
#include "platform/d3d9/d3d9_shader_program.h"
#include "platform/d3d9/d3d9_state.h"
#include "platform/d3d9/d3d9_surface.h"
#include "platform/d3d9/d3d9_texture.h"
#include "platform/d3d9/d3d9_util.h"
#include "platform/d3d9/d3d9_vertex_declaration.h"

namespace d3d9gl {

class Direct3D9;

class Device final : public IDirect3DDevice9, public IDirect3DDevice9Gl, public Object {
public:
    // Fails (never aborts) for anything it cannot honour: no window, full screen, multisampling,
    // a back-buffer or depth format other than those offered, no OpenGL 3.3 core context.
    static HRESULT Create(Direct3D9* d3d, const D3DCAPS9& caps, HWND focusWindow,
                          DWORD behaviorFlags, D3DPRESENT_PARAMETERS* parameters, Device** device);

    HRESULT QueryInterface(REFIID iid, void** object) override;
    D3D9GL_OBJECT_REFCOUNT

    // IDirect3DDevice9
    HRESULT GetDirect3D(IDirect3D9** d3d) override;
    HRESULT GetDeviceCaps(D3DCAPS9* caps) override;
    HRESULT CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format,
                          D3DPOOL pool, IDirect3DTexture9** texture, HANDLE* shared) override;
    HRESULT CreateOffscreenPlainSurface(UINT width, UINT height, D3DFORMAT format, D3DPOOL pool,
                                        IDirect3DSurface9** surface, HANDLE* shared) override;
    HRESULT CreateVertexDeclaration(const D3DVERTEXELEMENT9* elements,
                                    IDirect3DVertexDeclaration9** declaration) override;
    HRESULT GetBackBuffer(UINT swapChain, UINT index, D3DBACKBUFFER_TYPE type,
                          IDirect3DSurface9** surface) override;
    HRESULT GetRenderTarget(DWORD index, IDirect3DSurface9** surface) override;
    HRESULT SetRenderTarget(DWORD index, IDirect3DSurface9* surface) override;
    HRESULT GetRenderTargetData(IDirect3DSurface9* renderTarget,
                                IDirect3DSurface9* destination) override;
    HRESULT SetViewport(const D3DVIEWPORT9* viewport) override;
    HRESULT GetViewport(D3DVIEWPORT9* viewport) override;
    HRESULT SetRenderState(D3DRENDERSTATETYPE state, DWORD value) override;
    HRESULT GetRenderState(D3DRENDERSTATETYPE state, DWORD* value) override;
    HRESULT SetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD value) override;
    HRESULT GetSamplerState(DWORD sampler, D3DSAMPLERSTATETYPE type, DWORD* value) override;
    HRESULT SetScissorRect(const RECT* rect) override;
    HRESULT GetScissorRect(RECT* rect) override;
    HRESULT SetTexture(DWORD sampler, IDirect3DBaseTexture9* texture) override;
    HRESULT GetTexture(DWORD sampler, IDirect3DBaseTexture9** texture) override;
    HRESULT SetVertexDeclaration(IDirect3DVertexDeclaration9* declaration) override;
    HRESULT GetVertexDeclaration(IDirect3DVertexDeclaration9** declaration) override;
    HRESULT BeginScene() override;
    HRESULT EndScene() override;
    HRESULT Clear(DWORD rectCount, const D3DRECT* rects, DWORD flags, D3DCOLOR color, float z,
                  DWORD stencil) override;
    HRESULT DrawPrimitiveUP(D3DPRIMITIVETYPE type, UINT primitiveCount, const void* vertices,
                            UINT stride) override;
    HRESULT Present(const RECT* sourceRect, const RECT* destRect, HWND destWindowOverride,
                    const void* dirtyRegion) override;

    // IDirect3DDevice9Gl
    HRESULT CreateShaderProgram(LPCSTR vertexSource, LPCSTR fragmentSource,
                                IDirect3DShaderProgram9Gl** program,
                                IDirect3DText9Gl** log) override;
    HRESULT SetShaderProgram(IDirect3DShaderProgram9Gl* program) override;
    HRESULT GetShaderProgram(IDirect3DShaderProgram9Gl** program) override;
    HRESULT SetUniform(IDirect3DShaderProgram9Gl* program, INT location, GlUniformType type,
                       const void* values, UINT count) override;

    // For the device's own objects.
    void MakeCurrent();
    GlStateCache& Gl() { return m_gl; }
    // The texture unit uploads bind to; never sampled.
    static constexpr int kUploadUnit = kTextureUnitCount;
    DWORD MaxTextureSize() const { return m_caps.MaxTextureWidth; }

private:
    // Sampler slots: the 20 units, then the displacement-map sampler, which is only recorded.
    static constexpr int kSamplerSlots = kTextureUnitCount + 1;

    Device(Direct3D9* d3d, const D3DCAPS9& caps, HWND window, SDL_Window* sdlWindow,
           SDL_GLContext context, const D3DPRESENT_PARAMETERS& parameters);
    ~Device() override;
    void OnLastPublicReference() override;
    bool CreateBackBuffer();
    static int SlotOf(DWORD sampler);

    HRESULT PrepareDraw(UINT stride);
    void ApplyBlend();
    void ApplyDepth();
    void ApplyRaster();
    void ApplyColorMask();
    void ApplyScissor();
    void ApplyViewport();
    void ApplySampler(int unit);
    void BindTarget();
    RECT ViewportRect() const;

    Direct3D9* m_d3d;
    D3DCAPS9 m_caps;
    HWND m_window;
    SDL_Window* m_sdlWindow;
    SDL_GLContext m_context;
    D3DPRESENT_PARAMETERS m_parameters;

    Surface* m_backBuffer = nullptr;    // owned
    Surface* m_renderTarget = nullptr;  // the back buffer while it is the only target
    DWORD m_renderStates[kD3DRenderStateCount];
    DWORD m_samplerStates[kSamplerSlots][kD3DSamplerStateCount];
    PrivateRef<Texture> m_textures[kSamplerSlots];
    PrivateRef<VertexDeclaration> m_declaration;
    PrivateRef<ShaderProgram> m_program;
    RECT m_scissor{};
    D3DVIEWPORT9 m_viewport{};
    bool m_inScene = false;

    DWORD m_dirty = kDirtyAll;
    DWORD m_dirtyTextures = 0;  // bit per unit
    DWORD m_dirtySamplers = 0;  // bit per unit

    GlStateCache m_gl;
    GLuint m_vertexArray = 0;
    GLuint m_vertexBuffer = 0;
    GLuint m_samplers[kTextureUnitCount] = {};
    const VertexDeclaration* m_attributesDeclaration = nullptr;
    UINT m_attributesStride = 0;
    bool m_anisotropy = false;
};

}  // namespace d3d9gl
