// Floats written as their IEEE-754 bit patterns, so that a constant is exactly the value
// meant, whatever decimal text would round to.
#pragma once

#include <cstdint>

constexpr float FloatFromBits(std::uint32_t bits) {
    return __builtin_bit_cast(float, bits);
}
