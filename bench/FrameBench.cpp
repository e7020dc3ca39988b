// Whole frames of the program: Game::Draw and Present through Main::Update, on the program's
// own objects started as the program starts them, headless. Beside the device benchmark this
// shows what the effect, the captions and the layer cost.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>

#include "app/Main.h"
#include "bench/BenchWindow.h"
#include "render/Render.h"

namespace {

void BM_ProgramFrame(benchmark::State& state) {
    // The program reads image.tga from its current directory, beside d3d9.so.
    if (chdir(DF_BIN_DIR) != 0) {
        state.SkipWithError("cannot enter the program's folder");
        return;
    }
    setenv("DFDEMO_MODULE_DIR", DF_BIN_DIR, 0);
    HWND window = CreateBenchWindow();
    g_main.m_hwnd = window;
    if (!window || !g_main.Initialize(1024, 320, true)) {
        state.SkipWithError("the program did not start");
    } else {
        for (auto _ : state) g_main.Update();
        state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                                        benchmark::Counter::kIsRate);
    }
    g_main.Finalize();
    DestroyBenchWindow(window);
}
BENCHMARK(BM_ProgramFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

}  // namespace

BENCHMARK_MAIN();
