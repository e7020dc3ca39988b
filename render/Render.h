// The graphics subsystem's three platform objects: the Direct3D object, the device and the
// effect. There is one, g_render; it owns one reference to each object it holds.
#pragma once

#include "platform/d3d9/d3d9.h"
#include "platform/d3dx9/d3dx9.h"
#include "platform/win32/win32.h"

class Render {
public:
    constexpr Render() = default;
    // Runs Finalize, which finds nothing left once Main::Finalize has run.
    virtual ~Render();

    // Loads the Direct3D 9 runtime, checks the hardware, creates the device and the effect.
    // False after any failure, which has been reported in a message box where it has a text.
    bool Initialize(UINT width, UINT height, HWND window, bool windowed);
    // Releases the effect, the device and the Direct3D object and frees the runtime module,
    // each only when held, clearing each slot. Safe to call any number of times.
    void Finalize();

    IDirect3D9* m_d3d = nullptr;
    IDirect3DDevice9* m_device = nullptr;
    ID3DXEffect* m_effect = nullptr;
};

extern Render g_render;

// The module handle of d3d9.dll, held from start-up until Render::Finalize frees it.
extern HMODULE g_d3d9Module;
// The back-buffer size in pixels, written once at the start of Render::Initialize.
extern UINT g_screenWidth;
extern UINT g_screenHeight;
