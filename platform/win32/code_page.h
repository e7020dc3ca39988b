// Text conversion between the code pages the program's texts use (932 and UTF-8) and the
// encodings SDL and the rest of the layer need (UTF-8 and UTF-16), over iconv.
#pragma once

#include <cstddef>
#include <string>

#pragma GCC visibility push(hidden)

namespace win32 {

// The iconv name of UTF-16 in the machine's byte order (the layout of WCHAR).
const char* Utf16Encoding();

// The encoding names iconv knows for a Windows code page (CP_ACP is 932 here), or null for a
// code page the layer does not convert.
const char* IconvNameForCodePage(unsigned codePage);

// Converts size bytes of text from one iconv encoding to another. An invalid or incomplete
// sequence becomes U+FFFD and conversion goes on after its first byte, unless strict is set,
// in which case the conversion fails. False also when iconv does not know an encoding.
bool ConvertText(const char* fromEncoding, const char* toEncoding, const char* text,
                 std::size_t size, bool strict, std::string* converted);

// A zero-terminated code page 932 text as UTF-8; null gives an empty text.
std::string Cp932ToUtf8(const char* text);

}  // namespace win32

#pragma GCC visibility pop
