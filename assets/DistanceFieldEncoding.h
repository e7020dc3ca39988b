// How image.tga holds its shape. The colour channels hold the shape's area coverage of each
// texel (white on black), what an ordinary antialiased texture of that size holds. The alpha
// channel holds the signed distance from each texel centre to the shape's outline, in texels,
// positive inside:
//     alpha = round(255 × clamp(0.5 + distance / (2 × kDistanceFieldSpread), 0, 1))
// The image generator writes this encoding and the effect's distance-field pass decodes it;
// the build puts this same value into the effect text, so the two cannot drift apart.
#pragma once

// Distance, in texels, at which the encoded value reaches 0 or 255.
constexpr float kDistanceFieldSpread = 1.0f;
