#include "game/Matrices.h"

#include "app/OrbitInput.h"
#include "render/Render.h"

OrbitMatrices ComputeOrbitMatrices(float yaw, float pitch, UINT screenWidth, UINT screenHeight) {
    OrbitMatrices m;
    D3DXMATRIX rotationY, rotationX;
    D3DXMatrixRotationY(&rotationY, yaw);
    D3DXMatrixRotationX(&rotationX, pitch);
    D3DXMatrixMultiply(&m.world, &rotationY, &rotationX);

    const D3DXVECTOR3 eye{0.0f, 0.0f, 16.0f};
    const D3DXVECTOR3 at{0.0f, 2.0f, 0.0f};
    const D3DXVECTOR3 up{0.0f, 1.0f, 0.0f};
    D3DXMatrixLookAtRH(&m.view, &eye, &at, &up);

    const auto aspect =
        static_cast<float>(static_cast<double>(screenWidth) / static_cast<double>(screenHeight));
    constexpr float kFieldOfView = 1.5707964f;  // π/2
    D3DXMatrixPerspectiveFovRH(&m.projection, kFieldOfView, aspect, 2.0f, 512.0f);

    D3DXMatrixMultiply(&m.worldView, &m.world, &m.view);
    D3DXMatrixMultiply(&m.viewProjection, &m.view, &m.projection);
    // Grouped as World × (View × Proj), not (World × View) × Proj: the two can differ in the
    // last bits.
    D3DXMatrixMultiply(&m.worldViewProjection, &m.world, &m.viewProjection);
    // A rotation followed by a rigid camera transform is always invertible.
    D3DXMatrixInverse(&m.inverseWorldView, nullptr, &m.worldView);
    return m;
}

void SetupMatrices() {
    const OrbitMatrices m =
        ComputeOrbitMatrices(g_orbitYaw, g_orbitPitch, g_screenWidth, g_screenHeight);
    ID3DXEffect* effect = g_render.m_effect;
    effect->SetMatrix(effect->GetParameterByName(nullptr, "matWorldViewProj"),
                      &m.worldViewProjection);
    effect->SetMatrix(effect->GetParameterByName(nullptr, "matWorldView"), &m.worldView);
    effect->SetMatrix(effect->GetParameterByName(nullptr, "matWorld"), &m.world);
    effect->SetMatrix(effect->GetParameterByName(nullptr, "matViewProj"), &m.viewProjection);
    effect->SetMatrix(effect->GetParameterByName(nullptr, "matInvWorldView"), &m.inverseWorldView);
    // The camera's position in the model's own coordinates; w is 1, as for any point.
    const D3DXVECTOR4 eyePosition{m.inverseWorldView._41, m.inverseWorldView._42,
                                  m.inverseWorldView._43, 1.0f};
    effect->SetVector(effect->GetParameterByName(nullptr, "eyePosition"), &eyePosition);
}
