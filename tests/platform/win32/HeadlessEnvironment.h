// Tests run without a display, whatever the machine has: SDL's offscreen driver, message
// boxes on standard error. Each test program registers this once, before any test runs.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>

namespace win32test {

class HeadlessEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        unsetenv("SDL_VIDEODRIVER");
        unsetenv("DFDEMO_MODULE_DIR");
    }
};

}  // namespace win32test
