// The texts the device start-up shows, stored in code page 932.
#pragma once

extern const char kErrorCaption[];            // "エラー"
extern const char kDirect3DInitFailedText[];  // creating the Direct3D object failed
extern const char kDeviceInitFailedText[];    // creating the device failed
// The refusal of hardware below vertex shader 2.0: the adapter's description (%s) and the
// major and minor version it supports (%d.%d).
constexpr unsigned kShaderModelFormatCapacity = 256;  // bytes, terminating zero included
extern const char kShaderModelFormat[];
extern const char kShaderCompileErrorCaption[];  // "シェーダーコンパイルエラー"
