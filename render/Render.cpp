#include "render/Render.h"

HMODULE g_d3d9Module = nullptr;
UINT g_screenWidth = 0;
UINT g_screenHeight = 0;

Render::~Render() { Finalize(); }

// Placeholder until the device start-up lands: records the back-buffer size and succeeds.
bool Render::Initialize(UINT width, UINT height, HWND, bool) {
    g_screenWidth = width;
    g_screenHeight = height;
    return true;
}

void Render::Finalize() {}
