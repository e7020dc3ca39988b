// The SFMT19937 keystream: agreement with the published reference outputs, the points at which
// the state is regenerated, and period certification.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <vector>

#include "assets/Keystream.h"

namespace {

// The state the seeding recurrence gives, before certification.
std::vector<std::uint32_t> SeededState(std::uint32_t seed) {
    std::vector<std::uint32_t> state(624);
    state[0] = seed;
    for (std::uint32_t i = 1; i < 624; ++i) {
        state[i] = 1812433253u * (state[i - 1] ^ (state[i - 1] >> 30)) + i;
    }
    return state;
}

// Parity of the state's inner product with the certification vector (true when odd).
bool CertificationParity(const std::uint32_t* state) {
    std::uint32_t inner = (state[0] & 0x00000001u) ^ (state[3] & 0x13c9e684u);
    int bits = 0;
    for (; inner != 0; inner &= inner - 1) ++bits;
    return (bits & 1) != 0;
}

std::vector<std::uint32_t> CurrentState() {
    return std::vector<std::uint32_t>(g_keyStream.state, g_keyStream.state + 624);
}

TEST(Keystream, MatchesPublishedReferenceOutputsForSeed1234) {
    std::ifstream in(DF_TEST_SFMT_REFERENCE);
    ASSERT_TRUE(in) << "cannot open " << DF_TEST_SFMT_REFERENCE;
    std::vector<std::uint32_t> expected;
    for (std::uint64_t value; in >> value;) expected.push_back(static_cast<std::uint32_t>(value));
    ASSERT_EQ(expected.size(), 1000u);

    SfmtInit(1234);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(SfmtNext32(), expected[i]) << "output " << i;
    }
}

TEST(Keystream, RegeneratesAtFirstAnd625thOutput) {
    SfmtInit(5489);
    EXPECT_EQ(g_keyStream.index, 624);
    const std::vector<std::uint32_t> seeded = CurrentState();

    // The first output regenerates the whole state and hands out its word 0.
    const std::uint32_t first = SfmtNext32();
    const std::vector<std::uint32_t> generation1 = CurrentState();
    EXPECT_EQ(g_keyStream.index, 1);
    EXPECT_EQ(first, generation1[0]);
    int unchanged = 0;
    for (int i = 0; i < 624; ++i) unchanged += seeded[i] == generation1[i];
    EXPECT_LT(unchanged, 8) << "the state was not regenerated";

    // Outputs 2 to 624 read the rest of that state without touching it.
    for (int i = 1; i < 624; ++i) ASSERT_EQ(SfmtNext32(), generation1[i]) << "output " << i;
    EXPECT_EQ(g_keyStream.index, 624);
    EXPECT_EQ(CurrentState(), generation1);

    // The 625th regenerates again and hands out word 0 of the next state.
    const std::uint32_t next = SfmtNext32();
    EXPECT_EQ(g_keyStream.index, 1);
    EXPECT_NE(CurrentState(), generation1);
    EXPECT_EQ(next, g_keyStream.state[0]);

    // Regenerating a copy of the first state by hand gives the same second state.
    std::memcpy(g_keyStream.state, generation1.data(), 624 * sizeof(std::uint32_t));
    SfmtGenerateAll();
    EXPECT_EQ(g_keyStream.state[0], next);
}

// For each seed the certified state is the seeded one, with bit 0 of word 0 flipped exactly
// when the seeded state's parity is even; afterwards the parity is always odd.
TEST(Keystream, CertificationFlipsBit0OnlyForEvenParity) {
    bool sawFlipped = false;
    bool sawUnchanged = false;
    for (std::uint32_t seed : {1234u, 0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 0x6D2B79F5u, 0xFFFFFFFFu}) {
        std::vector<std::uint32_t> expected = SeededState(seed);
        const bool odd = CertificationParity(expected.data());
        if (!odd) expected[0] ^= 1u;
        (odd ? sawUnchanged : sawFlipped) = true;

        SfmtInit(seed);
        EXPECT_EQ(CurrentState(), expected) << "seed " << seed;
        EXPECT_TRUE(CertificationParity(g_keyStream.state)) << "seed " << seed;
        EXPECT_EQ(g_keyStream.index, 624);
    }
    EXPECT_TRUE(sawFlipped);
    EXPECT_TRUE(sawUnchanged);

    // 1234, the seed of the reference outputs, is one that certification changes.
    EXPECT_FALSE(CertificationParity(SeededState(1234).data()));
}

}  // namespace
