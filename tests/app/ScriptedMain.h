// An application object for the shell's tests: it records its phases and what it saw of the
// window, and its frames do what a test scripts.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/Main.h"

namespace apptest {

class ScriptedMain : public Main {
public:
    bool Initialize(INT width, INT height, bool windowed) override;
    bool Update() override;
    void Finalize() override;

    // Initialize's result, and what it does first (with the window already made).
    bool initializeResult = true;
    std::function<void(ScriptedMain&)> onInitialize;
    // What each frame does (frame numbers from 1); its result is Update's.
    std::function<bool(ScriptedMain&, int frame)> onFrame;

    // "initialize 1024x320 windowed=1 visible=0", "frame 1 visible=1", "finalize".
    std::vector<std::string> log;
    int frames = 0;
};

}  // namespace apptest
