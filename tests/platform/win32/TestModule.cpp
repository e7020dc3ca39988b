// A module for the loader's tests, with one known entry point.

extern "C" __attribute__((visibility("default"))) int TestModuleAnswer() {
    return 42;
}
