// Code-page conversion over iconv: the layer's own decoding of texts and MultiByteToWideChar.

#include "platform/win32/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

#include "platform/win32/win32.h"

namespace win32 {

namespace {

// U+FFFD in the target encoding, for the encodings the layer converts into.
std::string ReplacementCharacter(const char* toEncoding) {
    if (std::strcmp(toEncoding, Utf16Encoding()) == 0) {
        const char16_t unit = u'\uFFFD';
        return std::string(reinterpret_cast<const char*>(&unit), sizeof unit);
    }
    return "\xEF\xBF\xBD";  // UTF-8
}

}  // namespace

const char* Utf16Encoding() {
    // UTF-16 in the machine's byte order, so that the bytes iconv writes are char16_t values.
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    return "UTF-16BE";
#else
    return "UTF-16LE";
#endif
}

const char* IconvNameForCodePage(unsigned codePage) {
    switch (codePage) {
        case CP_ACP:
        case 932:
            return "CP932";
        case CP_UTF8:
            return "UTF-8";
        default:
            return nullptr;
    }
}

bool ConvertText(const char* fromEncoding, const char* toEncoding, const char* text,
                 std::size_t size, bool strict, std::string* converted) {
    converted->clear();
    iconv_t cd = iconv_open(toEncoding, fromEncoding);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;

    char* in = const_cast<char*>(text);
    std::size_t inLeft = size;
    char buffer[256];
    bool ok = true;
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        converted->append(buffer, sizeof buffer - outLeft);
        if (result != static_cast<std::size_t>(-1)) continue;
        if (errno == E2BIG) continue;  // the buffer was full: go on with the rest
        if ((errno == EILSEQ || errno == EINVAL) && !strict) {
            // Replace the offending byte and resynchronise on the next one. An incomplete
            // sequence at the end (EINVAL) loses only its bytes, one replacement each.
            converted->append(ReplacementCharacter(toEncoding));
            ++in;
            --inLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            continue;
        }
        ok = false;
        break;
    }
    if (ok) {
        // Flush any shift state (none for these encodings, but iconv asks for it).
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        iconv(cd, nullptr, nullptr, &out, &outLeft);
        converted->append(buffer, sizeof buffer - outLeft);
    }
    iconv_close(cd);
    if (!ok) converted->clear();
    return ok;
}

std::string Cp932ToUtf8(const char* text) {
    std::string utf8;
    if (text == nullptr) return utf8;
    ConvertText("CP932", "UTF-8", text, std::strlen(text), false, &utf8);
    return utf8;
}

}  // namespace win32

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int byteCount, WCHAR* wide,
                        int wideCount) {
    const char* encoding = win32::IconvNameForCodePage(codePage);
    if (encoding == nullptr || text == nullptr || byteCount == 0 || byteCount < -1 ||
        wideCount < 0 || (wideCount > 0 && wide == nullptr))
        return 0;

    // With −1 the text runs to its terminating zero, which is converted as well.
    const std::size_t size =
        byteCount == -1 ? std::strlen(text) + 1 : static_cast<std::size_t>(byteCount);
    const bool strict = (flags & MB_ERR_INVALID_CHARS) != 0;
    std::string units;
    if (!win32::ConvertText(encoding, win32::Utf16Encoding(), text, size, strict, &units)) return 0;

    const std::size_t needed = units.size() / sizeof(WCHAR);
    if (needed > static_cast<std::size_t>(INT32_MAX)) return 0;
    if (wideCount == 0) return static_cast<int>(needed);
    if (needed > static_cast<std::size_t>(wideCount)) return 0;
    std::memcpy(wide, units.data(), needed * sizeof(WCHAR));
    return static_cast<int>(needed);
}
