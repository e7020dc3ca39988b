#include "app/OrbitInput.h"

float g_orbitYaw = 0.0f;
float g_orbitPitch = kOrbitPitchInitial;
bool g_dragging = false;
std::int32_t g_lastMouseX = 0;
std::int32_t g_lastMouseY = 0;
