// OpenGL contexts on SDL windows: creation with the profile the device needs, and making one
// current only when it is not already.
#pragma once

#include <SDL2/SDL.h>

#include <string>

#include "platform/d3d9/d3d9.h"

namespace d3d9gl {

// An OpenGL 3.3 core context on the window; null when the implementation cannot give one.
SDL_GLContext CreateCoreContext(SDL_Window* window);

void MakeCurrent(SDL_Window* window, SDL_GLContext context);

// Deletes a context, leaving no context current if it was.
void DeleteContext(SDL_GLContext context);

// What the OpenGL implementation offers, found once per Direct3D object.
struct GlProbe {
    bool available = false;         // some OpenGL context could be made at all
    bool core33 = false;            // an OpenGL 3.3 core context could be made
    DWORD vertexShaderVersion = 0;  // as D3DVS_VERSION
    DWORD maxTextureSize = 0;
    std::string renderer;
    std::string version;
    std::string vendor;
};

// Makes a hidden window with a context (3.3 core first, then whatever the implementation
// gives), reads what it offers, and takes both down again. The vertex shader version follows
// what the implementation can run: 3.0 for an OpenGL 3.3 core context, 2.0 for an older one
// with GLSL, 1.1 with only assembly vertex programs, 0.0 with none.
GlProbe ProbeOpenGl();

}  // namespace d3d9gl
