// The program's embedded assets: stored scrambled, and unscrambled exactly into the plain files
// of the source tree (the effect with the distance-field spread filled in).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "assets/DescrambleAsset.h"
#include "assets/DistanceFieldEncoding.h"
#include "assets/EmbeddedAssets.h"
#include "platform/crt/aligned_memory.h"

namespace {

std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << "cannot open " << path;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Descrambled(const unsigned char* source, UINT size) {
    unsigned char* buffer = DescrambleAsset(source, size);
    EXPECT_NE(buffer, nullptr);
    if (buffer == nullptr) return {};
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    AlignedFree(buffer);
    return bytes;
}

// How many positions hold the same byte in both.
std::size_t SameBytes(const unsigned char* stored, const std::string& plain) {
    std::size_t same = 0;
    for (std::size_t i = 0; i < plain.size(); ++i)
        same += stored[i] == static_cast<unsigned char>(plain[i]);
    return same;
}

constexpr char kSpreadToken[] = "@DISTANCE_FIELD_SPREAD@";

TEST(EmbeddedAssets, LogoUnscramblesToThePlainFile) {
    const std::string plain = ReadFile(DF_TEST_LOGO_SOURCE);
    ASSERT_FALSE(plain.empty());
    ASSERT_EQ(kLogoAssetSize, plain.size());
    EXPECT_EQ(Descrambled(kLogoAsset, kLogoAssetSize), plain);
    // Stored bytes agree with the plain ones no more often than chance allows.
    EXPECT_LT(SameBytes(kLogoAsset, plain), plain.size() / 16 + 4);
}

// The effect is the plain file with every spread token replaced by a number whose value is
// kDistanceFieldSpread; nothing else differs, and no token of any name is left.
TEST(EmbeddedAssets, EffectUnscramblesToThePlainFileWithTheSpreadFilledIn) {
    const std::string plain = ReadFile(DF_TEST_EFFECT_SOURCE);
    const std::string effect = Descrambled(kEffectAsset, kEffectAssetSize);
    ASSERT_EQ(effect.size(), kEffectAssetSize);

    std::size_t tokens = 0;
    std::size_t in = 0;   // position in plain
    std::size_t out = 0;  // position in effect
    for (;;) {
        const std::size_t token = plain.find(kSpreadToken, in);
        const std::string literal =
            plain.substr(in, token == std::string::npos ? std::string::npos : token - in);
        ASSERT_EQ(effect.compare(out, literal.size(), literal), 0)
            << "text differs after byte " << out;
        out += literal.size();
        if (token == std::string::npos) break;

        const char* number = effect.c_str() + out;
        char* end = nullptr;
        const float value = std::strtof(number, &end);
        ASSERT_NE(end, number) << "no number where the spread belongs, at byte " << out;
        EXPECT_EQ(value, kDistanceFieldSpread);
        out += static_cast<std::size_t>(end - number);
        in = token + sizeof(kSpreadToken) - 1;
        ++tokens;
    }
    EXPECT_EQ(out, effect.size());
    EXPECT_GE(tokens, 1u) << "the effect does not use the distance-field spread";
    EXPECT_FALSE(std::regex_search(effect, std::regex("@[A-Za-z_][A-Za-z0-9_]*@")));

    EXPECT_LT(SameBytes(kEffectAsset, effect), effect.size() / 16 + 4);
}

}  // namespace
