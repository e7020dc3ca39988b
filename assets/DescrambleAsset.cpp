#include "assets/DescrambleAsset.h"

#include "assets/AssetSeed.h"
#include "assets/Keystream.h"
#include "platform/crt/aligned_memory.h"

unsigned char* DescrambleAsset(const unsigned char* source, UINT size) {
    SfmtInit(kAssetSeed);
    auto* buffer = static_cast<unsigned char*>(AlignedAlloc(size, 16));
    if (buffer == nullptr) return nullptr;
    for (UINT i = 0; i < size; ++i) {
        buffer[i] = static_cast<unsigned char>(source[i] ^ (SfmtNext32() & 0xFFu));
    }
    return buffer;
}
