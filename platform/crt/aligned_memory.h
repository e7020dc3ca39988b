// Aligned allocation, as the C runtime's _aligned_malloc and _aligned_free offer it: every
// block the program allocates itself (pixel arrays, unscrambled assets) starts on a 16-byte
// boundary and is given back with the matching release.
#pragma once

#include <cstddef>

// A block of size bytes whose address is a multiple of alignment (a power of two), or null
// when it cannot be had. A size of 0 gives a valid, empty block.
void* AlignedAlloc(std::size_t size, std::size_t alignment);

// Gives back a block from AlignedAlloc; null is ignored.
void AlignedFree(void* block);
