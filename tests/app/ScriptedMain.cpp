#include "ScriptedMain.h"

namespace apptest {

bool ScriptedMain::Initialize(INT width, INT height, bool windowed) {
    log.push_back("initialize " + std::to_string(width) + "x" + std::to_string(height) +
                  " windowed=" + std::to_string(windowed ? 1 : 0) +
                  " visible=" + std::to_string(IsWindowVisible(m_hwnd)));
    if (onInitialize) onInitialize(*this);
    return initializeResult;
}

bool ScriptedMain::Update() {
    ++frames;
    log.push_back("frame " + std::to_string(frames) +
                  " visible=" + std::to_string(IsWindowVisible(m_hwnd)));
    return onFrame ? onFrame(*this, frames) : true;
}

void ScriptedMain::Finalize() {
    log.push_back("finalize");
}

}  // namespace apptest
