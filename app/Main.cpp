#include "app/Main.h"

#include "app/Texts.h"
#include "render/Render.h"

Main::~Main() {}

bool Main::Initialize(INT width, INT height, bool windowed) {
    if (!g_render.Initialize(static_cast<UINT>(width), static_cast<UINT>(height), m_hwnd,
                             windowed)) {
        // The device side has shown its own box where it has one; this one follows it, with
        // the system's default caption.
        MessageBoxA(m_hwnd, kTextRenderInitializationFailed, nullptr, MB_OK);
        return false;
    }
    // The scene reports its own failures.
    return m_game.Initialize();
}

bool Main::Update() {
    if (!m_game.Draw()) return false;
    // The whole back buffer to the whole client area; a failure (a lost device) is not
    // handled, the next frame just tries again.
    g_render.m_device->Present(nullptr, nullptr, nullptr, nullptr);
    return true;
}

void Main::Finalize() {
    // The scene's objects go before the device they were made on.
    m_game.Finalize();
    g_render.Finalize();
}
