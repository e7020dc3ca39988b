// The keystream that scrambles the embedded assets: SFMT19937, the SIMD-oriented Fast
// Mersenne Twister with Mersenne exponent 19937, in its portable 32-bit form with one global
// state. For every seed its 32-bit outputs equal those of the published reference generator
// seeded through its 32-bit seeding routine.
#pragma once

#include <cstdint>

// Parameters of the SFMT19937 parameter set.
inline constexpr int kSfmtMersenneExponent = 19937;
inline constexpr int kSfmtBlocks = 156;             // 128-bit blocks in the state
inline constexpr int kSfmtWords = 4 * kSfmtBlocks;  // 32-bit words in the state
inline constexpr int kSfmtPos1 = 122;               // block distance of the second input
inline constexpr int kSfmtShiftLeftBits = 18;       // SL1, per 32-bit word
inline constexpr int kSfmtShiftLeftBytes = 1;       // SL2, on the whole 128-bit block
inline constexpr int kSfmtShiftRightBits = 11;      // SR1, per 32-bit word
inline constexpr int kSfmtShiftRightBytes = 1;      // SR2, on the whole 128-bit block
inline constexpr std::uint32_t kSfmtMask[4] = {0xdfffffefu, 0xddfecb7fu, 0xbffaffffu, 0xbffffff6u};
inline constexpr std::uint32_t kSfmtSeedMultiplier = 1812433253u;

// Period-certification vector: a state whose inner product with it has odd parity lies on the
// full period of 2^19937 - 1.
inline constexpr std::uint32_t kParity[4] = {0x00000001u, 0x00000000u, 0x00000000u, 0x13c9e684u};

// The generator state. Block k of the state is words 4k..4k+3, word 4k being the least
// significant 32 bits when the block is taken as one 128-bit number.
struct SfmtState {
    std::uint32_t state[kSfmtWords];
    // Words of the current state already handed out, 0..624; 624 means used up.
    std::int32_t index;
};

// The one generator state of the process; zero until the first SfmtInit.
extern SfmtState g_keyStream;

// Fills the state from seed with the seeding recurrence, marks it used up and certifies its
// period.
void SfmtInit(std::uint32_t seed);

// Makes the period of the state the full one by flipping at most one bit (with the vector
// above, always bit 0 of word 0).
void SfmtCertifyPeriod();

// One step of the 128-bit recursion: writes block r from blocks a, b, c and d, each pointing
// to four consecutive words of the state. r may be the same block as a.
void SfmtRecursion(std::uint32_t* r, const std::uint32_t* a, const std::uint32_t* b,
                   const std::uint32_t* c, const std::uint32_t* d);

// Replaces all 156 blocks of the state in place with the next 156.
void SfmtGenerateAll();

// The next 32-bit output; regenerates the state first when it is used up.
std::uint32_t SfmtNext32();
