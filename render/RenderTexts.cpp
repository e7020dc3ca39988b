// Compiled with the execution character set CP932: every literal here is stored in code page
// 932, the form the ANSI Windows functions take.
#include "render/RenderTexts.h"

const char kErrorCaption[] = "エラー";
const char kDirect3DInitFailedText[] = "Direct3Dの初期化に失敗しました.";
const char kDeviceInitFailedText[] = "Direct3Dデバイスを初期化できませんでした.";
const char kShaderModelFormat[] =
    "グラフィックハードウェアが ShaderModel 2.0 に対応していません。\n"
    "現在お使いの\"%s\"は ShaderModel %d.%d までの対応です。\n"
    "このデモプログラムの実行には ShaderModel 3.0 以降対応の環境が必要です。";
static_assert(sizeof kShaderModelFormat <= kShaderModelFormatCapacity);
const char kShaderCompileErrorCaption[] = "シェーダーコンパイルエラー";
