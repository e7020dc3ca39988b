// Code page 932 text as Unicode code points, decoded by the Win32 layer, and the UTF-8 form
// of code points that fontconfig takes.
#pragma once

#include <string>

namespace d3dx9 {

// Decodes count bytes of text (−1: up to its terminating zero, which is left out) into code
// points. Bytes that form no code page 932 character become U+FFFD. Returns false, with out
// empty, when the text cannot be decoded at all.
bool DecodeCp932(const char* text, int count, std::u32string* out);

// UTF-8 of the code points; a value that is no Unicode scalar value becomes U+FFFD.
std::string EncodeUtf8(const std::u32string& text);

}  // namespace d3dx9
