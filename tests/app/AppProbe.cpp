// The shell's life (RunApplication) with a scripted application object, as a program the
// tests run in a process of its own.
//   app_probe loop         frames until a signal ends the run; prints "ready" at the first
//                          frame and "finalised frames=N" from Finalize
//   app_probe window-info  prints what the window is like as start-up sees it (size, state,
//                          title, and under X11 what the X server reports), then fails the
//                          start-up so the program ends

#include <SDL.h>
#include <SDL_syswm.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "ScriptedMain.h"
#include "app/Application.h"
#include "platform/win32/native_window.h"

using apptest::ScriptedMain;

namespace {

void RunCommand(const std::string& command) {
    std::printf("$ %s\n", command.c_str());
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char line[512];
        while (std::fgets(line, sizeof line, pipe) != nullptr) std::fputs(line, stdout);
        pclose(pipe);
    }
}

void PrintWindow(ScriptedMain& app) {
    SDL_Window* window = win32::NativeWindow(app.m_hwnd);
    RECT client = {}, frame = {};
    GetClientRect(app.m_hwnd, &client);
    GetWindowRect(app.m_hwnd, &frame);
    std::printf("driver=%s\nclient=%dx%d\nframe=%d,%d,%d,%d\nscreen=%dx%d\nvisible=%d\n",
                SDL_GetCurrentVideoDriver(), client.right, client.bottom, frame.left, frame.top,
                frame.right, frame.bottom, GetSystemMetrics(SM_CXSCREEN),
                GetSystemMetrics(SM_CYSCREEN), IsWindowVisible(app.m_hwnd));
    std::printf("title=%s\n", SDL_GetWindowTitle(window));
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11) {
        const std::string id = std::to_string(static_cast<unsigned long>(info.info.x11.window));
        RunCommand("xwininfo -id " + id);
        RunCommand("xprop -id " + id + " _NET_WM_NAME");
    }
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 64;
    ScriptedMain app;
    if (std::strcmp(argv[1], "loop") == 0) {
        app.onFrame = [](ScriptedMain&, int frame) {
            if (frame == 1) {
                std::printf("ready\n");
                std::fflush(stdout);
            }
            SDL_Delay(1);  // a frame of no work, without spinning the test machine's cores
            return true;
        };
        const int exitCode = RunApplication(app);
        std::printf("finalised frames=%d log=%s\n", app.frames,
                    app.log.empty() ? "" : app.log.back().c_str());
        return exitCode;
    }
    if (std::strcmp(argv[1], "window-info") == 0) {
        app.onInitialize = PrintWindow;
        app.initializeResult = false;
        return RunApplication(app);
    }
    return 64;
}
