// The vertex of every textured quad, and its declaration.
#pragma once

#include "platform/d3d9/d3d9.h"

struct QuadVertex {
    float x, y, z, w;  // clip space
    D3DCOLOR color0;   // ARGB
    float u0, v0;
    D3DCOLOR color1;
    float u1, v1;
};
static_assert(sizeof(QuadVertex) == 40, "the quad vertex is 40 bytes");

// Five elements and the end marker.
extern const D3DVERTEXELEMENT9 kQuadVertexElements[6];
