// The factor that turns an 8-bit channel value into 0.0 to 1.0: the single-precision value
// nearest to 1/255, bit pattern 0x3B808081. Channels are scaled by multiplying with it, which
// differs in the last bit from byte / 255 for about half of the byte values (127 and 254 among
// them); 0 still gives 0.0 and 255 exactly 1.0.
#pragma once

inline constexpr float kByteToUnit = 0x1.010102p-8f;
