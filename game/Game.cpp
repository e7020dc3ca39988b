#include "game/Game.h"

ID3DXFont* g_font = nullptr;
IDirect3DTexture9* g_baseTexture = nullptr;

Game::~Game() {}

// Placeholders until the scene lands.
bool Game::Initialize() { return true; }
bool Game::Draw() { return true; }
void Game::Finalize() {}
