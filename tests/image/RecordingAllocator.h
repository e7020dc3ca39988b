// Stands in for the aligned allocator of the C runtime layer in the allocation test program:
// it records every call in order, fills new blocks with a marker byte so that uninitialised
// pixels show, and can be told to refuse requests.
#pragma once

#include <cstddef>
#include <vector>

struct AllocationEvent {
    enum Kind { kAllocate, kFree } kind;
    void* block;            // the block given out or given back (null when refused)
    std::size_t size;       // requested size (allocations only)
    std::size_t alignment;  // requested alignment (allocations only)
};

// The calls made since the last ClearAllocationLog.
const std::vector<AllocationEvent>& AllocationLog();
void ClearAllocationLog();

// While true every allocation is refused (and still recorded).
void SetRefuseAllocations(bool refuse);
