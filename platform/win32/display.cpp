// SDL's video subsystem, started on first need, and what the layer reports of the display.

#include <SDL.h>

#include <cstdlib>
#include <cstring>

#include "platform/win32/native_window.h"
#include "platform/win32/win32.h"

namespace win32 {

namespace {

constexpr const char kOffscreenDriver[] = "offscreen";

bool HasEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

bool StartVideo(const char* driver) {
    // Only called with a driver where the user named none (an empty SDL_VIDEODRIVER names
    // none), so the layer's choice overrides the environment.
    if (driver != nullptr) SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, driver, SDL_HINT_OVERRIDE);
    return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

}  // namespace

bool EnsureVideo() {
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) return true;

    // The close button of a window reaches the program as WM_CLOSE; SDL must not turn the
    // closing of the last window into a quit request of its own. SIGINT and SIGTERM still
    // become SDL_QUIT (SDL's signal handlers stay installed).
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");

    if (HasEnvironment("SDL_VIDEODRIVER")) {
        // The user named a driver: honour it, and fail where it cannot start.
        return StartVideo(nullptr);
    }
    if (!HasEnvironment("DISPLAY") && !HasEnvironment("WAYLAND_DISPLAY"))
        return StartVideo(kOffscreenDriver);
    if (StartVideo(nullptr)) return true;
    // A display is named but cannot be reached: go on without one.
    return StartVideo(kOffscreenDriver);
}

bool IsHeadless() {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return false;
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr &&
           (std::strcmp(driver, kOffscreenDriver) == 0 || std::strcmp(driver, "dummy") == 0);
}

}  // namespace win32

int GetSystemMetrics(int index) {
    if (index != SM_CXSCREEN && index != SM_CYSCREEN) return 0;
    if (!win32::EnsureVideo()) return 0;
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return 0;
    return index == SM_CXSCREEN ? mode.w : mode.h;
}
