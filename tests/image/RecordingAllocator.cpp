#include "RecordingAllocator.h"

#include <cstdlib>
#include <cstring>

#include "platform/crt/aligned_memory.h"

namespace {

std::vector<AllocationEvent>& Log() {
    static std::vector<AllocationEvent> log;
    return log;
}

bool g_refuse = false;

}  // namespace

const std::vector<AllocationEvent>& AllocationLog() {
    return Log();
}
void ClearAllocationLog() {
    Log().clear();
}
void SetRefuseAllocations(bool refuse) {
    g_refuse = refuse;
}

void* AlignedAlloc(std::size_t size, std::size_t alignment) {
    void* block = nullptr;
    if (!g_refuse && posix_memalign(&block, alignment, size == 0 ? 1 : size) != 0) block = nullptr;
    if (block != nullptr) std::memset(block, 0xCD, size);
    Log().push_back({AllocationEvent::kAllocate, block, size, alignment});
    return block;
}

void AlignedFree(void* block) {
    if (block == nullptr) return;
    Log().push_back({AllocationEvent::kFree, block, 0, 0});
    std::free(block);
}
