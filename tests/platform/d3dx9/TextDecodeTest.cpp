// Code page 932 bytes to code points, and code points to UTF-8.
#include <gtest/gtest.h>

#include "platform/d3dx9/d3dx9_text_decode.h"

namespace d3dx9test {
namespace {

TEST(TextDecodeTest, Cp932BytesBecomeTheirCodePoints) {
    struct Case {
        const char* name;
        const char* bytes;
        int count;
        std::u32string expected;
    };
    const Case cases[] = {
        {"ascii", "A\\~", -1, U"A\\~"},
        {"kana and kanji", "\x83\x6F\x95\xE2", -1, U"バ補"},
        {"half-width katakana", "\xB1", -1, U"\uFF71"},
        {"a count stops early", "AB\x95\xE2", 2, U"AB"},
        {"a count cuts a character", "\x95\xE2", 1, U"\uFFFD"},
        {"nothing", "", -1, U""},
    };
    for (const Case& c : cases) {
        std::u32string decoded = U"left over";
        EXPECT_TRUE(d3dx9::DecodeCp932(c.bytes, c.count, &decoded)) << c.name;
        EXPECT_EQ(decoded, c.expected) << c.name;
    }
    std::u32string decoded;
    EXPECT_FALSE(d3dx9::DecodeCp932(nullptr, -1, &decoded));
    EXPECT_FALSE(d3dx9::DecodeCp932("A", -2, &decoded));
}

TEST(TextDecodeTest, Utf8OfCodePoints) {
    EXPECT_EQ(d3dx9::EncodeUtf8(U"Meiryo"), "Meiryo");
    EXPECT_EQ(d3dx9::EncodeUtf8(U"ＭＳ Ｐゴシック"), "ＭＳ Ｐゴシック");
    EXPECT_EQ(d3dx9::EncodeUtf8(U"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(d3dx9::EncodeUtf8(std::u32string(1, char32_t{0xD800})), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace d3dx9test
