// The orbit camera's matrices, handed to the effect once per frame.
#pragma once

#include "platform/d3d9/d3d9.h"
#include "platform/d3dx9/d3dx9.h"

struct OrbitMatrices {
    D3DXMATRIX world;
    D3DXMATRIX view;
    D3DXMATRIX projection;
    D3DXMATRIX worldView;
    D3DXMATRIX viewProjection;
    D3DXMATRIX worldViewProjection;
    D3DXMATRIX inverseWorldView;
};

// World turns by the yaw about Y, then by the pitch about X; a right-handed view from
// (0, 0, 16) at (0, 2, 0); a perspective of π/2 over the back buffer's aspect, 2 to 512.
OrbitMatrices ComputeOrbitMatrices(float yaw, float pitch, UINT screenWidth, UINT screenHeight);

// Computes the matrices from the orbit angles and the back-buffer size and uploads them, and
// the eye position in model space, to the effect.
void SetupMatrices();
