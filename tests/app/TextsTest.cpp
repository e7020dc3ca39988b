// The shell's texts are stored in code page 932.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Texts.h"

namespace {

std::vector<unsigned char> Bytes(const char* text) {
    const std::string s(text);
    return std::vector<unsigned char>(s.begin(), s.end());
}

std::vector<unsigned char> Hex(std::initializer_list<unsigned> bytes) {
    std::vector<unsigned char> v;
    for (unsigned b : bytes) v.push_back(static_cast<unsigned char>(b));
    return v;
}

TEST(TextsTest, AreStoredInCodePage932) {
    // "ウィンドウクラスの登録に失敗."
    EXPECT_EQ(Bytes(kTextClassRegistrationFailed),
              Hex({0x83, 0x45, 0x83, 0x42, 0x83, 0x93, 0x83, 0x68, 0x83, 0x45,
                   0x83, 0x4E, 0x83, 0x89, 0x83, 0x58, 0x82, 0xCC, 0x93, 0x6F,
                   0x98, 0x5E, 0x82, 0xC9, 0x8E, 0xB8, 0x94, 0x73, 0x2E}));
    // "ウィンドウの作成に失敗."
    EXPECT_EQ(Bytes(kTextWindowCreationFailed),
              Hex({0x83, 0x45, 0x83, 0x42, 0x83, 0x93, 0x83, 0x68, 0x83, 0x45, 0x82, 0xCC,
                   0x8D, 0xEC, 0x90, 0xAC, 0x82, 0xC9, 0x8E, 0xB8, 0x94, 0x73, 0x2E}));
    // "Render初期化エラー"
    EXPECT_EQ(Bytes(kTextRenderInitializationFailed),
              Hex({0x52, 0x65, 0x6E, 0x64, 0x65, 0x72, 0x8F, 0x89, 0x8A, 0xFA, 0x89, 0xBB, 0x83,
                   0x47, 0x83, 0x89, 0x81, 0x5B}));
}

TEST(TextsTest, CaptionIsTheTitleInCodePage932FollowedByACreditNotice) {
    // "距離フィールドのベクトル化 -Distance Field Vectorization-" and one space.
    const std::vector<unsigned char> title =
        Hex({0x8B, 0x97, 0x97, 0xA3, 0x83, 0x74, 0x83, 0x42, 0x81, 0x5B, 0x83, 0x8B, 0x83,
             0x68, 0x82, 0xCC, 0x83, 0x78, 0x83, 0x4E, 0x83, 0x67, 0x83, 0x8B, 0x89, 0xBB});
    const std::string english = " -Distance Field Vectorization- ";
    const std::vector<unsigned char> caption = Bytes(kWindowCaption);
    ASSERT_GT(caption.size(), title.size() + english.size());
    EXPECT_EQ(std::vector<unsigned char>(caption.begin(), caption.begin() + title.size()), title);
    EXPECT_EQ(std::string(caption.begin() + title.size(),
                          caption.begin() + title.size() + english.size()),
              english);
    EXPECT_STREQ(kWindowClassName, "sampleClass");
}

}  // namespace
