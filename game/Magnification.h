// The common magnification of the three panels, pulsing with the frame count.
#pragma once

#include <cstdint>

// s = sin(n × c) × 24 + 25 for the frame count n, with c the float nearest to 0.01, computed in
// double precision and rounded once to a float: between 1 and 49, repeating about every 628
// frames.
float MagnificationForFrame(std::uint32_t frameCount);
