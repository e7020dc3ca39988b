#include "tools/capture/CaptureOptions.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace {

// Frames are drawn one after another from the first, so a frame far out means a long run.
constexpr std::uint32_t kLastFrame = 100000;

bool ParseFrames(const std::string& text, std::vector<std::uint32_t>* frames, std::string* error) {
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = text.find(',', start);
        const std::string item =
            text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        char* end = nullptr;
        errno = 0;
        const unsigned long value = std::strtoul(item.c_str(), &end, 10);
        if (item.empty() || *end != '\0' || errno != 0 || item[0] == '-' || value < 1 ||
            value > kLastFrame) {
            *error = "--frames wants frame numbers from 1 to " + std::to_string(kLastFrame) +
                     " separated by commas, not '" + item + "'";
            return false;
        }
        frames->push_back(static_cast<std::uint32_t>(value));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    std::sort(frames->begin(), frames->end());
    frames->erase(std::unique(frames->begin(), frames->end()), frames->end());
    return true;
}

}  // namespace

bool ParseCaptureOptions(const std::vector<std::string>& args, CaptureOptions* options,
                         std::string* error) {
    *options = CaptureOptions{};
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg != "--frames" && arg != "--out" && arg != "--sheet") {
            *error = "unknown argument '" + arg + "'";
            return false;
        }
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            *error = arg + " needs a value";
            return false;
        }
        const std::string& value = args[++i];
        if (arg == "--frames") {
            if (!ParseFrames(value, &options->frames, error)) return false;
        } else if (arg == "--out") {
            options->outDir = value;
        } else {
            options->sheetPath = value;
        }
    }
    if (options->frames.empty()) {
        *error = "--frames is required";
        return false;
    }
    if (options->outDir.empty()) {
        *error = "--out is required";
        return false;
    }
    return true;
}
