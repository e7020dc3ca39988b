#include "assets/Keystream.h"

SfmtState g_keyStream = {};

void SfmtInit(std::uint32_t seed) {
    std::uint32_t* state = g_keyStream.state;
    state[0] = seed;
    for (int i = 1; i < kSfmtWords; ++i) {
        state[i] = kSfmtSeedMultiplier * (state[i - 1] ^ (state[i - 1] >> 30)) +
                   static_cast<std::uint32_t>(i);
    }
    g_keyStream.index = kSfmtWords;
    SfmtCertifyPeriod();
}

void SfmtCertifyPeriod() {
    std::uint32_t* state = g_keyStream.state;
    std::uint32_t inner = 0;
    for (int i = 0; i < 4; ++i) inner ^= state[i] & kParity[i];
    for (int shift = 16; shift > 0; shift >>= 1) inner ^= inner >> shift;
    if ((inner & 1u) != 0) return;

    // Even parity: flip the lowest bit that is set in the certification vector.
    for (int i = 0; i < 4; ++i) {
        for (int bit = 0; bit < 32; ++bit) {
            const std::uint32_t work = 1u << bit;
            if ((work & kParity[i]) != 0) {
                state[i] ^= work;
                return;
            }
        }
    }
}

void SfmtRecursion(std::uint32_t* r, const std::uint32_t* a, const std::uint32_t* b,
                   const std::uint32_t* c, const std::uint32_t* d) {
    constexpr int kLeft = 8 * kSfmtShiftLeftBytes;
    constexpr int kRight = 8 * kSfmtShiftRightBytes;

    // Block a shifted left and block c shifted right, each as one 128-bit number. Both are
    // formed before r is written, since r may be a.
    const std::uint32_t x[4] = {
        a[0] << kLeft,
        (a[1] << kLeft) | (a[0] >> (32 - kLeft)),
        (a[2] << kLeft) | (a[1] >> (32 - kLeft)),
        (a[3] << kLeft) | (a[2] >> (32 - kLeft)),
    };
    const std::uint32_t y[4] = {
        (c[0] >> kRight) | (c[1] << (32 - kRight)),
        (c[1] >> kRight) | (c[2] << (32 - kRight)),
        (c[2] >> kRight) | (c[3] << (32 - kRight)),
        c[3] >> kRight,
    };
    for (int w = 0; w < 4; ++w) {
        r[w] = a[w] ^ x[w] ^ ((b[w] >> kSfmtShiftRightBits) & kSfmtMask[w]) ^ y[w] ^
               (d[w] << kSfmtShiftLeftBits);
    }
}

void SfmtGenerateAll() {
    std::uint32_t* state = g_keyStream.state;
    const std::uint32_t* c = &state[4 * (kSfmtBlocks - 2)];
    const std::uint32_t* d = &state[4 * (kSfmtBlocks - 1)];
    for (int i = 0; i < kSfmtBlocks; ++i) {
        std::uint32_t* block = &state[4 * i];
        // For i below 34 the second input is still a block of the old state; from then on it
        // is one already replaced in this pass.
        const std::uint32_t* b = &state[4 * ((i + kSfmtPos1) % kSfmtBlocks)];
        SfmtRecursion(block, block, b, c, d);
        c = d;
        d = block;
    }
}

std::uint32_t SfmtNext32() {
    if (g_keyStream.index >= kSfmtWords) {
        SfmtGenerateAll();
        g_keyStream.index = 0;
    }
    return g_keyStream.state[g_keyStream.index++];
}
