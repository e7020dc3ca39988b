// The Win32 layer's tests run headless.

#include "HeadlessEnvironment.h"

namespace {

::testing::Environment* const kHeadless =
    ::testing::AddGlobalTestEnvironment(new win32test::HeadlessEnvironment);

}  // namespace
