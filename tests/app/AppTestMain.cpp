// The application shell's tests run headless.

#include "HeadlessEnvironment.h"

namespace {

::testing::Environment* const kHeadless =
    ::testing::AddGlobalTestEnvironment(new win32test::HeadlessEnvironment);

}  // namespace
