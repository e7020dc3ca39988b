#include "platform/crt/aligned_memory.h"

#include <cstdlib>

void* AlignedAlloc(std::size_t size, std::size_t alignment) {
    if (alignment == 0 || (alignment & (alignment - 1)) != 0) return nullptr;
    if (alignment < sizeof(void*)) alignment = sizeof(void*);
    void* block = nullptr;
    // posix_memalign accepts a size of 0, but its result may be null; ask for one byte so that
    // an empty block is still a real, releasable allocation.
    if (posix_memalign(&block, alignment, size == 0 ? 1 : size) != 0) return nullptr;
    return block;
}

void AlignedFree(void* block) {
    std::free(block);
}
