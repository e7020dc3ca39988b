// How image.tga holds its shape. The colour channels hold the shape's area coverage of each
// texel (white on black), what an ordinary antialiased texture of that size holds. The alpha
// channel holds the signed distance from each texel centre to the shape's outline, in texels,
// positive inside:
//     alpha = round(255 × clamp(0.5 + distance / (2 × kDistanceFieldSpread), 0, 1))
// The image generator writes this encoding and the effect's distance-field pass decodes it;
// the build puts this same value into the effect text, so the two cannot drift apart.
#pragma once

// Distance, in texels, at which the encoded value reaches 0 or 255. The four texels blended
// around a point of the outline lie within √2 texels of it, so from √2 on none of them is ever
// clamped; just above that the 8-bit step stays small: 2 × 1.42 / 255 = 0.011 texel, 0.55
// screen pixel at 49×. Measured along the shipped outline, the 8-bit encoding moves the
// interpolated distance by at most 0.0055 texel (0.27 pixel at 49×), 0.0019 texel RMS.
constexpr float kDistanceFieldSpread = 1.42f;
