#include "app/WindowProc.h"

#include <cstdint>

#include "app/OrbitInput.h"

namespace {

// A move while dragging: horizontal movement turns the yaw (right increases it), vertical
// movement the pitch (down increases it). The pitch limit applies to the stored angle, so
// movement past a limit is dropped rather than saved up.
void UpdateOrbitDrag(LPARAM lParam) {
    const std::int32_t x = GET_X_LPARAM(lParam);
    const std::int32_t y = GET_Y_LPARAM(lParam);
    const std::int32_t dx = x - g_lastMouseX;
    const std::int32_t dy = y - g_lastMouseY;
    const float yaw = g_orbitYaw + static_cast<float>(dx) * kOrbitTurnRate;
    float pitch = g_orbitPitch + static_cast<float>(dy) * kOrbitTurnRate;
    if (pitch >= kOrbitPitchMax)
        pitch = kOrbitPitchMax;
    else if (pitch < kOrbitPitchMin)
        pitch = kOrbitPitchMin;
    g_lastMouseX = x;
    g_orbitYaw = yaw;
    g_lastMouseY = y;
    g_orbitPitch = pitch;
}

}  // namespace

LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY:
            // The quit code becomes the exit code.
            PostQuitMessage(0);
            return 0;
        case WM_MOUSEMOVE:
            // Never the default processing, dragging or not.
            if (g_dragging) UpdateOrbitDrag(lParam);
            return 0;
        case WM_LBUTTONDOWN:
            // The capture keeps the moves coming while the cursor is outside the window.
            SetCapture(window);
            g_lastMouseY = GET_Y_LPARAM(lParam);
            g_dragging = true;
            g_lastMouseX = GET_X_LPARAM(lParam);
            return 0;
        case WM_LBUTTONUP:
            // Also without a press in the window: the flag is cleared and the capture given up.
            g_dragging = false;
            ReleaseCapture();
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}
