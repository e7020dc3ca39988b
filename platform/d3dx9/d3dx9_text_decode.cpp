#include "platform/d3dx9/d3dx9_text_decode.h"

#include <cstring>
#include <vector>

#include "platform/win32/win32.h"

namespace d3dx9 {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLowSurrogate(char32_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

void AppendUtf16(const WCHAR* units, size_t count, std::u32string* out) {
    for (size_t i = 0; i < count; ++i) {
        const char32_t u = units[i];
        if (IsHighSurrogate(u) && i + 1 < count && IsLowSurrogate(units[i + 1])) {
            out->push_back(0x10000 + ((u - 0xD800) << 10) + (char32_t{units[i + 1]} - 0xDC00));
            ++i;
        } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
            out->push_back(kReplacement);
        } else {
            out->push_back(u);
        }
    }
}

}  // namespace

bool DecodeCp932(const char* text, int count, std::u32string* out) {
    out->clear();
    if (!text || count < -1) return false;
    const size_t size = count == -1 ? std::strlen(text) : static_cast<size_t>(count);
    if (size == 0) return true;

    // The first 128 values of code page 932 are ASCII: most texts need no conversion.
    bool ascii = true;
    for (size_t i = 0; i < size && ascii; ++i) ascii = static_cast<unsigned char>(text[i]) < 0x80;
    if (ascii) {
        out->assign(text, text + size);
        return true;
    }

    const int bytes = static_cast<int>(size);
    if (static_cast<size_t>(bytes) != size) return false;  // beyond what the layer converts
    const int needed = MultiByteToWideChar(CP_ACP, 0, text, bytes, nullptr, 0);
    if (needed <= 0) return false;
    std::vector<WCHAR> units(static_cast<size_t>(needed));
    const int written = MultiByteToWideChar(CP_ACP, 0, text, bytes, units.data(), needed);
    if (written <= 0) return false;
    AppendUtf16(units.data(), static_cast<size_t>(written), out);
    return true;
}

std::string EncodeUtf8(const std::u32string& text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacement;
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

}  // namespace d3dx9
