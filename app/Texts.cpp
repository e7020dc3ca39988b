#include "app/Texts.h"

const char kWindowClassName[] = "sampleClass";
const char kWindowCaption[] =
    "距離フィールドのベクトル化 -Distance Field Vectorization- (C) 2026 dfdemo contributors";
// "Registering the window class failed."
const char kTextClassRegistrationFailed[] = "ウィンドウクラスの登録に失敗.";
// "Creating the window failed."
const char kTextWindowCreationFailed[] = "ウィンドウの作成に失敗.";
// "Render initialisation error."
const char kTextRenderInitializationFailed[] = "Render初期化エラー";
