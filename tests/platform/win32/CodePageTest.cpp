// MultiByteToWideChar: code page 932 and UTF-8 to UTF-16, with Windows' conventions.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/win32.h"

namespace {

struct ConversionCase {
    const char* what;
    UINT codePage;
    DWORD flags;
    const char* text;
    int byteCount;
    std::vector<char16_t> expected;  // empty: the conversion fails (result 0)
};

const ConversionCase kCases[] = {
    {"code page 932 to its terminator", 932, 0, "\x8B\x97\x97\xA3", -1, {0x8DDD, 0x96E2, 0}},
    {"CP_ACP is code page 932", CP_ACP, 0, "\x8B\x97\x97\xA3", -1, {0x8DDD, 0x96E2, 0}},
    {"counted bytes, no terminator", 932, 0, "\x8B\x97\x97\xA3xyz", 4, {0x8DDD, 0x96E2}},
    {"ASCII in code page 932", 932, 0, "a\\~", -1, {'a', '\\', '~', 0}},
    {"half-width katakana", 932, 0, "\xB1", -1, {0xFF71, 0}},
    {"UTF-8", CP_UTF8, 0, "\xC3\xA9", -1, {0x00E9, 0}},
    {"UTF-8 beyond the BMP", CP_UTF8, 0, "\xF0\x9F\x98\x80", 4, {0xD83D, 0xDE00}},
    {"lone lead byte", 932, 0, "a\x82", 2, {'a', 0xFFFD}},
    {"bad trail byte", 932, 0, "\x82\x20", 2, {0xFFFD, ' '}},
    {"invalid UTF-8",
     CP_UTF8,
     0,
     "a\xFF"
     "b",
     3,
     {'a', 0xFFFD, 'b'}},
    {"invalid, strict", 932, MB_ERR_INVALID_CHARS, "a\x82", 2, {}},
    {"invalid UTF-8, strict", CP_UTF8, MB_ERR_INVALID_CHARS, "\xFF", 1, {}},
    {"unknown code page", 1252, 0, "abc", -1, {}},
    {"no bytes", 932, 0, "abc", 0, {}},
};

TEST(CodePageTest, ConvertsToUtf16) {
    for (const ConversionCase& c : kCases) {
        SCOPED_TRACE(c.what);
        const int needed =
            MultiByteToWideChar(c.codePage, c.flags, c.text, c.byteCount, nullptr, 0);
        EXPECT_EQ(needed, static_cast<int>(c.expected.size()));
        std::vector<char16_t> wide(16, 0x1111);
        const int written = MultiByteToWideChar(c.codePage, c.flags, c.text, c.byteCount,
                                                wide.data(), static_cast<int>(wide.size()));
        ASSERT_EQ(written, static_cast<int>(c.expected.size()));
        wide.resize(static_cast<size_t>(written));
        EXPECT_EQ(wide, c.expected);
    }
}

TEST(CodePageTest, TooSmallBufferGivesZero) {
    char16_t wide[2] = {0x1111, 0x1111};
    EXPECT_EQ(MultiByteToWideChar(932, 0, "\x8B\x97\x97\xA3", -1, wide, 2), 0);
    EXPECT_EQ(MultiByteToWideChar(932, 0, "abc", -1, nullptr, 4), 0);
    EXPECT_EQ(MultiByteToWideChar(932, 0, nullptr, -1, wide, 2), 0);
    EXPECT_EQ(MultiByteToWideChar(932, 0, "abc", -2, wide, 2), 0);
}

TEST(CodePageTest, LongTextsConvertWhole) {
    std::string text;
    for (int i = 0; i < 2000; ++i) text += "\x83\x74x";  // "フx"
    const int needed = MultiByteToWideChar(932, 0, text.c_str(), -1, nullptr, 0);
    ASSERT_EQ(needed, 4001);
    std::vector<char16_t> wide(static_cast<size_t>(needed));
    ASSERT_EQ(MultiByteToWideChar(932, 0, text.c_str(), -1, wide.data(), needed), needed);
    EXPECT_EQ(wide[3998], 0x30D5);
    EXPECT_EQ(wide[3999], u'x');
    EXPECT_EQ(wide[4000], 0);
}

}  // namespace
