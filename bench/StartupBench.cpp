// Time from the start of the process to the first presented frame, the program's start-up
// exactly as AppMain runs it, headless. Prints milliseconds, the median of several runs of
// itself as fresh processes.
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/Main.h"

namespace {

// When this process started, in seconds on the boot-time clock.
double ProcessStartSeconds() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    const size_t close = text.rfind(')');
    std::vector<std::string> fields;
    size_t at = close + 2;
    while (at < text.size()) {
        const size_t space = text.find(' ', at);
        fields.push_back(text.substr(at, space - at));
        if (space == std::string::npos) break;
        at = space + 1;
    }
    // Field 22 of the file (the 20th after the name) is the start time in clock ticks.
    return std::stod(fields.at(19)) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double Now() {
    timespec t{};
    clock_gettime(CLOCK_BOOTTIME, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

class FirstFrameMain final : public Main {
public:
    double firstFrame = 0;
    bool Update() override {
        Main::Update();
        firstFrame = Now();
        return false;  // one frame, then the normal stop
    }
};

int MeasureOnce() {
    if (chdir(DF_BIN_DIR) != 0) return 1;
    setenv("DFDEMO_MODULE_DIR", DF_BIN_DIR, 0);
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    FirstFrameMain app;
    RunApplication(app);
    if (app.firstFrame == 0) return 1;
    std::printf("%.1f\n", (app.firstFrame - ProcessStartSeconds()) * 1000.0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--once") return MeasureOnce();
    std::vector<double> runs;
    for (int i = 0; i < 7; ++i) {
        const std::string command = std::string(argv[0]) + " --once";
        FILE* child = popen(command.c_str(), "r");
        char line[64] = {};
        if (!child || !std::fgets(line, sizeof line, child)) {
            std::fprintf(stderr, "startup_bench: a run did not reach its first frame\n");
            if (child) pclose(child);
            return 1;
        }
        pclose(child);
        runs.push_back(std::atof(line));
    }
    std::sort(runs.begin(), runs.end());
    std::printf(
        "process start to first presented frame: median %.0f ms (min %.0f, max %.0f, "
        "%zu runs; clock resolution %.0f ms)\n",
        runs[runs.size() / 2], runs.front(), runs.back(), runs.size(),
        1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK)));
    return 0;
}
