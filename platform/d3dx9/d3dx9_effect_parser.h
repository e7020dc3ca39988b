// Reading an effect text into its description. Needs no device: any bytes at all give a
// result, without reading outside them.
#pragma once

#include <cstddef>
#include <string>

#include "platform/d3dx9/d3dx9_effect_description.h"

namespace d3dx9 {

enum class EffectTextResult {
    Parsed,   // the description is complete
    NotText,  // the bytes are no text at all (control characters, a zero byte inside)
    Invalid,  // a text with an error, described in the error record
};

struct EffectTextError {
    int line = 0;    // from 1
    int column = 0;  // from 1, in bytes
    std::string message;
};

// Reads length bytes (no terminator needed; zero bytes at the very end are ignored).
EffectTextResult ParseEffectText(const void* data, std::size_t length,
                                 EffectDescription* description, EffectTextError* error);

// "effect(12,5): error: ..." — the form every error of the effect layer takes.
std::string FormatEffectTextError(const EffectTextError& error);

}  // namespace d3dx9
