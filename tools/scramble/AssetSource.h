// The C++ source that holds one embedded asset: its stored (scrambled) bytes as an array and
// their count, both with external linkage under the names the program declares.
#pragma once

#include <string>
#include <vector>

// Source text defining `extern const unsigned char <symbol>[]` with bytes and
// `extern const unsigned int <symbol>Size` with their count. When header is not empty the
// source includes it first, so the compiler checks the definitions against its declarations.
// origin names the plain file in the opening comment.
std::string FormatAssetSource(const std::string& symbol, const std::string& header,
                              const std::string& origin, const std::vector<unsigned char>& bytes);
