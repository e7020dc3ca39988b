// DescrambleAsset: the keystream XOR it applies, and the properties of the buffers it returns.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "assets/AssetSeed.h"
#include "assets/DescrambleAsset.h"
#include "assets/Keystream.h"
#include "platform/crt/aligned_memory.h"

// Assets embedded for these tests through the same build step as the program's own.
extern const unsigned char kTokenFixture[];
extern const unsigned int kTokenFixtureSize;
extern const unsigned char kEmptyFixture[];
extern const unsigned int kEmptyFixtureSize;

namespace {

// A fresh descrambled copy of size bytes of source, as a vector.
std::vector<unsigned char> Descrambled(const unsigned char* source, UINT size) {
    unsigned char* buffer = DescrambleAsset(source, size);
    EXPECT_NE(buffer, nullptr);
    if (buffer == nullptr) return {};
    std::vector<unsigned char> bytes(buffer, buffer + size);
    AlignedFree(buffer);
    return bytes;
}

// 2000 bytes, enough to need four states of the keystream.
std::vector<unsigned char> Sample() {
    std::vector<unsigned char> bytes(2000);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(i * 7 + 3);
    return bytes;
}

TEST(DescrambleAsset, XorsEachByteWithLowByteOfOneOutputFromFreshSeed) {
    const std::vector<unsigned char> zeros(1300, 0);
    const std::vector<unsigned char> keystream = Descrambled(zeros.data(), 1300);

    SfmtInit(kAssetSeed);
    for (std::size_t i = 0; i < keystream.size(); ++i) {
        ASSERT_EQ(keystream[i], SfmtNext32() & 0xFFu) << "byte " << i;
    }
}

TEST(DescrambleAsset, IsItsOwnInverse) {
    const std::vector<unsigned char> plain = Sample();
    const std::vector<unsigned char> stored = Descrambled(plain.data(), 2000);
    EXPECT_NE(stored, plain);
    EXPECT_EQ(Descrambled(stored.data(), 2000), plain);
}

TEST(DescrambleAsset, RepeatedCallsGiveIdenticalBuffersWhateverTheKeystreamDidBetween) {
    const std::vector<unsigned char> source = Sample();
    const std::vector<unsigned char> first = Descrambled(source.data(), 2000);
    SfmtInit(99);
    for (int i = 0; i < 1000; ++i) SfmtNext32();
    EXPECT_EQ(Descrambled(source.data(), 2000), first);
    EXPECT_EQ(Descrambled(source.data(), 2000), first);
}

TEST(DescrambleAsset, ShorterLengthGivesPrefix) {
    const std::vector<unsigned char> source = Sample();
    const std::vector<unsigned char> full = Descrambled(source.data(), 2000);
    for (UINT size : {1u, 623u, 624u, 625u, 1999u}) {
        const std::vector<unsigned char> part = Descrambled(source.data(), size);
        EXPECT_TRUE(std::equal(part.begin(), part.end(), full.begin())) << "size " << size;
    }
}

TEST(DescrambleAsset, BufferIsSixteenByteAlignedAndOfExactSize) {
    const std::vector<unsigned char> source = Sample();
    for (UINT size : {0u, 1u, 15u, 16u, 17u, 624u, 625u, 2000u}) {
        unsigned char* buffer = DescrambleAsset(source.data(), size);
        ASSERT_NE(buffer, nullptr) << "size " << size;
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(buffer) % 16, 0u) << "size " << size;
        // Writing the whole length is valid (checked under AddressSanitizer).
        if (size > 0) std::memset(buffer, 0xA5, size);
        AlignedFree(buffer);
    }
}

// The build step that embeds assets replaces each @TOKEN@ it is given before scrambling.
TEST(DescrambleAsset, EmbeddedTestAssetsComeBackAsTheirPlainText) {
    const std::vector<unsigned char> tokens = Descrambled(kTokenFixture, kTokenFixtureSize);
    EXPECT_EQ(std::string(tokens.begin(), tokens.end()), "spread=2.5 name=x_y again=2.5\n");
    EXPECT_EQ(kEmptyFixtureSize, 0u);
    unsigned char* empty = DescrambleAsset(kEmptyFixture, kEmptyFixtureSize);
    EXPECT_NE(empty, nullptr);
    AlignedFree(empty);
}

}  // namespace
