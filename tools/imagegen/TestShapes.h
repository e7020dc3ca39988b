// Simple shapes whose exact coverage and distances are known, for checking the generator.
#pragma once

#include "tools/imagegen/Outline.h"

// The axis-aligned square [16.5, 47.5] × [16.5, 47.5]: its sides run through the middle of
// texel columns and rows, so the texels along them are exactly half covered.
Outline TestSquare();
constexpr double kTestSquareMin = 16.5;
constexpr double kTestSquareMax = 47.5;

// The circle of radius 20 around (32, 32), as 128 quadratic arcs whose control points lie
// where the tangents at their ends meet; they depart from the true circle by less than
// 1e-6 texel.
Outline TestCircle();
constexpr double kTestCircleCentreX = 32.0;
constexpr double kTestCircleCentreY = 32.0;
constexpr double kTestCircleRadius = 20.0;
