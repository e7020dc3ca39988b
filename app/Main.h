// The application object: the main window and the scene, driven through three phases.
#pragma once

#include "game/Game.h"
#include "platform/win32/win32.h"

class Main {
public:
    constexpr Main() = default;
    // Releases nothing; Finalize does.
    virtual ~Main();

    // Starts the device side and then the scene; false when either fails.
    virtual bool Initialize(INT width, INT height, bool windowed);
    // Draws and presents one frame; false when the frame could not be drawn.
    virtual bool Update();
    // Releases the scene, then the device side.
    virtual void Finalize();

    HWND m_hwnd = nullptr;
    Game m_game;
};

extern Main g_main;

// The whole life of the program; the result is the exit code.
int AppMain();
