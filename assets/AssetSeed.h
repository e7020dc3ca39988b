// The seed of the keystream under which every embedded asset is stored. The scrambling tool
// and the program read it from here, so the two always agree.
#pragma once

#include <cstdint>

inline constexpr std::uint32_t kAssetSeed = 0x6D2B79F5u;
