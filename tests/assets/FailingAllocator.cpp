// Stands in for the aligned allocator of the C runtime layer in this test program only: every
// allocation is refused, so the out-of-memory path of DescrambleAsset can be reached.
#include <cstddef>

#include "platform/crt/aligned_memory.h"

void* AlignedAlloc(std::size_t, std::size_t) {
    return nullptr;
}

void AlignedFree(void*) {}
