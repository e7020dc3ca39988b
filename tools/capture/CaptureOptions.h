// The command line of the capture tool.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct CaptureOptions {
    std::vector<std::uint32_t> frames;  // ascending, without repeats, each at least 1
    std::string outDir;
    std::string sheetPath;  // empty: no contact sheet
};

// Parses "--frames 1,157,471 --out DIR [--sheet FILE]". False with a message in error for
// anything else.
bool ParseCaptureOptions(const std::vector<std::string>& args, CaptureOptions* options,
                         std::string* error);
