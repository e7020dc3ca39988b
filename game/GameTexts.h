// The texts of the scene, stored in code page 932.
#pragma once

extern const char kVertexDeclarationFailedText[];  // creating the vertex declaration failed
extern const char kTextureLoadFailedText[];        // loading a texture failed
extern const char kFirstFontFace[];                // "Meiryo"
extern const char kSecondFontFace[];               // "ＭＳ Ｐゴシック"
// The panels' captions, Japanese over English, left to right.
extern const char* const kPanelCaptions[3];
