#include "tools/scramble/TokenSubstitution.h"

namespace {

bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsNameChar(char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9');
}

}  // namespace

bool IsTokenName(const std::string& name) {
    if (name.empty() || !IsNameStart(name[0])) return false;
    for (char c : name) {
        if (!IsNameChar(c)) return false;
    }
    return true;
}

bool ReplaceTokens(std::string& text, const std::vector<TokenReplacement>& replacements,
                   std::string& error) {
    for (const TokenReplacement& replacement : replacements) {
        if (!IsTokenName(replacement.name)) {
            error = "'" + replacement.name + "' is not a valid token name";
            return false;
        }
        const std::string token = "@" + replacement.name + "@";
        std::string result;
        std::size_t count = 0;
        std::size_t start = 0;
        for (std::size_t at = text.find(token); at != std::string::npos;
             at = text.find(token, start)) {
            result.append(text, start, at - start);
            result.append(replacement.value);
            start = at + token.size();
            ++count;
        }
        if (count == 0) {
            error = "token " + token + " does not occur in the input";
            return false;
        }
        result.append(text, start, std::string::npos);
        text.swap(result);
    }
    return true;
}

std::string FindToken(const std::string& text) {
    for (std::size_t open = text.find('@'); open != std::string::npos;
         open = text.find('@', open + 1)) {
        std::size_t end = open + 1;
        while (end < text.size() && IsNameChar(text[end])) ++end;
        if (end < text.size() && text[end] == '@' &&
            IsTokenName(text.substr(open + 1, end - open - 1))) {
            return text.substr(open, end - open + 1);
        }
    }
    return std::string();
}
