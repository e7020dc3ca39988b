// The comparison scene: its caption font, vertex declaration and textures, and the frame.
#pragma once

#include "platform/d3d9/d3d9.h"
#include "platform/d3dx9/d3dx9.h"

class Game {
public:
    constexpr Game() = default;
    // Releases nothing; Finalize does.
    virtual ~Game();

    // Creates the font, the vertex declaration, the texture of image.tga and the logo texture.
    // False after a failure it has reported in a message box.
    virtual bool Initialize();
    // Draws one frame; always true.
    virtual bool Draw();
    // Releases whatever exists of the scene's resources and empties their slots.
    virtual void Finalize();

    IDirect3DVertexDeclaration9* m_vertexDecl = nullptr;
    IDirect3DTexture9* m_logoTexture = nullptr;
};

// The caption font and the texture of image.tga.
extern ID3DXFont* g_font;
extern IDirect3DTexture9* g_baseTexture;
