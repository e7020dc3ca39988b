#include "platform/d3d9/d3d9_gl_context.h"

#include <epoxy/gl.h>

#include <cstdio>

#include "platform/win32/native_window.h"

namespace d3d9gl {

namespace {

void RequestCore33() {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_FLAGS, 0);
    SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 0);
}

void RequestAny() {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 0);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, 0);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_FLAGS, 0);
    SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 0);
}

std::string GlString(GLenum name) {
    const GLubyte* s = glGetString(name);
    return s ? reinterpret_cast<const char*>(s) : "";
}

}  // namespace

SDL_GLContext CreateCoreContext(SDL_Window* window) {
    if (!window) return nullptr;
    RequestCore33();
    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (!context) return nullptr;
    if (SDL_GL_MakeCurrent(window, context) != 0 || epoxy_gl_version() < 33) {
        DeleteContext(context);
        return nullptr;
    }
    return context;
}

void MakeCurrent(SDL_Window* window, SDL_GLContext context) {
    if (SDL_GL_GetCurrentContext() == context && SDL_GL_GetCurrentWindow() == window) return;
    SDL_GL_MakeCurrent(window, context);
}

void DeleteContext(SDL_GLContext context) {
    if (!context) return;
    if (SDL_GL_GetCurrentContext() == context) SDL_GL_MakeCurrent(nullptr, nullptr);
    SDL_GL_DeleteContext(context);
}

GlProbe ProbeOpenGl() {
    GlProbe probe;
    if (!win32::EnsureVideo()) return probe;
    SDL_Window* previousWindow = SDL_GL_GetCurrentWindow();
    SDL_GLContext previousContext = SDL_GL_GetCurrentContext();

    SDL_Window* window = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (window) {
        SDL_GLContext context = CreateCoreContext(window);
        probe.core33 = context != nullptr;
        if (!context) {
            RequestAny();
            context = SDL_GL_CreateContext(window);
            if (context && SDL_GL_MakeCurrent(window, context) != 0) {
                SDL_GL_DeleteContext(context);
                context = nullptr;
            }
        }
        if (context) {
            probe.available = true;
            probe.renderer = GlString(GL_RENDERER);
            probe.version = GlString(GL_VERSION);
            probe.vendor = GlString(GL_VENDOR);
            GLint maxSize = 0;
            glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
            probe.maxTextureSize = maxSize > 0 ? static_cast<DWORD>(maxSize) : 0;
            const int version = epoxy_gl_version();
            if (probe.core33)
                probe.vertexShaderVersion = D3DVS_VERSION(3, 0);
            else if (version >= 20)
                probe.vertexShaderVersion = D3DVS_VERSION(2, 0);
            else if (epoxy_has_gl_extension("GL_ARB_vertex_program"))
                probe.vertexShaderVersion = D3DVS_VERSION(1, 1);
            else
                probe.vertexShaderVersion = D3DVS_VERSION(0, 0);
            DeleteContext(context);
        }
        SDL_DestroyWindow(window);
    }
    RequestCore33();
    if (previousContext) SDL_GL_MakeCurrent(previousWindow, previousContext);
    return probe;
}

}  // namespace d3d9gl
