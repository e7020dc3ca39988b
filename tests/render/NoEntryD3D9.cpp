// A module named d3d9 that lacks the entry point Direct3DCreate9.
extern "C" __attribute__((visibility("default"))) int SomethingElse() {
    return 0;
}
