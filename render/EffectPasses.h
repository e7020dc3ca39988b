// The passes of technique TStandard that the program begins.
#pragma once

#include "platform/win32/win32.h"

constexpr UINT PASS_OVERLAY = 3;         // the logo, alpha-blended by the frame's states
constexpr UINT PASS_DISTANCE_FIELD = 4;  // the shape reconstructed from the distance field
constexpr UINT PASS_ALPHA_TEST = 5;      // the image cut by an alpha test
constexpr UINT PASS_BILINEAR = 6;        // the image with plain bilinear filtering
