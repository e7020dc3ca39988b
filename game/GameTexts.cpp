// Compiled with the execution character set CP932: every literal here is stored in code page
// 932, the form the ANSI functions take.
#include "game/GameTexts.h"

const char kVertexDeclarationFailedText[] = "頂点宣言の作成に失敗しました.";
const char kTextureLoadFailedText[] = "テクスチャがロードできませんでした.";
const char kFirstFontFace[] = "Meiryo";
const char kSecondFontFace[] = "ＭＳ Ｐゴシック";

namespace {
const char kBilinearCaption[] = "バイリニア補間 (256 x 64)\nBi-linier Filtering";
const char kAlphaTestCaption[] = "アルファテスト (256 x 64)\nAlpha Test";
const char kDistanceFieldCaption[] = "今回の手法 (256 x 64)\nDistance Field Vectorization";
}  // namespace

const char* const kPanelCaptions[3] = {kBilinearCaption, kAlphaTestCaption, kDistanceFieldCaption};
