// A whole texture drawn as an exact screen rectangle through one pass of the effect, and the
// clearing of every sampler.
#pragma once

#include "game/QuadVertex.h"
#include "platform/d3d9/d3d9.h"

// Draws texture (level 0's size, scale pixels per texel) with its top-left corner at pixel
// (x, y) of render target 0, through the given pass of the effect's current technique. The
// caller has begun the effect and set the quad's vertex declaration.
void DrawTexturedQuad(IDirect3DTexture9* texture, float x, float y, float scale, UINT pass);

// Removes every texture from pixel stages 0–15 and the vertex samplers 257–260.
void UnbindTextures();

// The four vertices, in strip order, of a texW × texH texture at (x, y) and the given scale on
// a targetW × targetH target: clip-space corners with the half-pixel shift that makes the
// rectangle cover exactly [x, x + texW·scale) × [y, y + texH·scale).
void FillQuadVertices(float x, float y, float scale, UINT texW, UINT texH, UINT targetW,
                      UINT targetH, QuadVertex quad[4]);
