// Writing whole output files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes `bytes` to `path` through a temporary file in the same folder that is renamed over
// the target once it is complete, so a failed run never leaves a truncated file behind.
// Returns false with a message in *error when any step fails.
bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                         std::string* error);
bool WriteFileAtomically(const std::string& path, const std::string& text, std::string* error);
