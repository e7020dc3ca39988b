// The program with an embedded effect that cannot be created: the effect layer's text in the
// "シェーダーコンパイルエラー" box when there is one, then "Render初期化エラー", and no frame
// drawn. The test program links its own scrambled kEffectAsset in place of the real one.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "MessageBoxLog.h"
#include "app/Application.h"
#include "app/Main.h"

namespace {

class CountingMain final : public Main {
public:
    int frames = 0;
    bool Update() override {
        ++frames;
        return Main::Update();
    }
};

TEST(BrokenEffectTest, StartUpStopsWithTheEffectsBoxesAndDrawsNothing) {
    ASSERT_EQ(chdir(DF_BIN_DIR), 0);
    setenv("DFDEMO_MODULE_DIR", DF_BIN_DIR, 1);
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    CountingMain app;
    testing::internal::CaptureStderr();
    const int exitCode = RunApplication(app);
    const auto boxes = win32test::ParseMessageBoxes(testing::internal::GetCapturedStderr());
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(app.frames, 0);
#ifdef DF_EXPECT_ERROR_TEXT
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "シェーダーコンパイルエラー");
    // What the compiler said, with the pass and the line of the effect text.
    EXPECT_NE(boxes[0].text.find("thisIsNotDeclared"), std::string::npos) << boxes[0].text;
    EXPECT_NE(boxes[0].text.find("pass 0"), std::string::npos) << boxes[0].text;
    EXPECT_NE(boxes[0].text.find("(11"), std::string::npos) << boxes[0].text;
#else
    // Bytes that are no effect text bring no error text: only the start-up's own box.
    ASSERT_EQ(boxes.size(), 1u);
#endif
    EXPECT_EQ(boxes.back().text, "Render初期化エラー");
}

}  // namespace
