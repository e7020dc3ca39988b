#include "platform/d3dx9/d3dx9_effect_lexer.h"

#include <climits>
#include <cstdio>

namespace d3dx9 {

namespace {

bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsNameChar(char c) {
    return IsNameStart(c) || IsDigit(c);
}
bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// 0x1F, 12, 1.5, 1., .5, 1e-3, 2.5f: what the effect text accepts as a number.
bool IsWellFormedNumber(const std::string& s) {
    size_t i = 0;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        for (i = 2; i < s.size(); ++i)
            if (!IsHexDigit(s[i])) return false;
        return true;
    }
    size_t digits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        size_t exponent = 0;
        while (i < s.size() && IsDigit(s[i])) ++i, ++exponent;
        if (exponent == 0) return false;
    }
    if (i < s.size() && (s[i] == 'f' || s[i] == 'F')) ++i;
    return i == s.size();
}

std::string Describe(char c) {
    char text[32];
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x21 && byte < 0x7F)
        std::snprintf(text, sizeof text, "'%c'", c);
    else
        std::snprintf(text, sizeof text, "byte 0x%02X", byte);
    return text;
}

}  // namespace

void EffectLexer::Step() {
    if (AtEnd()) return;
    if (m_text[m_pos] == '\n') {
        if (m_line < INT_MAX) ++m_line;
        m_column = 1;
    } else if (m_column < INT_MAX) {
        ++m_column;
    }
    ++m_pos;
}

bool EffectLexer::SkipComment(bool* skipped, EffectTextError* error) {
    *skipped = false;
    if (Peek() != '/') return true;
    if (Peek(1) == '/') {
        while (!AtEnd() && Peek() != '\n') Step();
        *skipped = true;
        return true;
    }
    if (Peek(1) == '*') {
        const int line = m_line, column = m_column;
        Step();
        Step();
        while (!(Peek() == '*' && Peek(1) == '/')) {
            if (AtEnd()) {
                *error = {line, column, "this comment has no closing '*/'"};
                return false;
            }
            Step();
        }
        Step();
        Step();
        *skipped = true;
    }
    return true;
}

bool EffectLexer::Next(EffectToken* token, EffectTextError* error) {
    for (;;) {
        while (!AtEnd() && IsSpace(Peek())) Step();
        bool skipped = false;
        if (!SkipComment(&skipped, error)) return false;
        if (!skipped) break;
    }
    token->line = m_line;
    token->column = m_column;
    token->text.clear();
    if (AtEnd()) {
        token->kind = EffectTokenKind::End;
        return true;
    }
    const char c = Peek();
    if (IsNameStart(c)) {
        token->kind = EffectTokenKind::Identifier;
        while (!AtEnd() && IsNameChar(Peek())) {
            token->text += Peek();
            Step();
        }
        return true;
    }
    if (IsDigit(c) || (c == '.' && IsDigit(Peek(1)))) return ReadNumber(token, error);
    switch (c) {
        case '{':
        case '}':
        case '[':
        case ']':
        case '=':
        case ';':
        case ',':
        case '-':
        case '+':
            token->kind = EffectTokenKind::Symbol;
            token->text = c;
            Step();
            return true;
        default:
            *error = {m_line, m_column, "unexpected " + Describe(c)};
            return false;
    }
}

bool EffectLexer::ReadNumber(EffectToken* token, EffectTextError* error) {
    // The whole run of characters that can belong to a number is taken, then checked, so
    // "1.2.3" or "4px" is one malformed number rather than a number and a surprise.
    token->kind = EffectTokenKind::Number;
    const bool hex = Peek() == '0' && (Peek(1) == 'x' || Peek(1) == 'X');
    while (!AtEnd()) {
        const char c = Peek();
        const char previous = token->text.empty() ? '\0' : token->text.back();
        const bool sign = (c == '+' || c == '-') && !hex && (previous == 'e' || previous == 'E');
        if (!IsNameChar(c) && c != '.' && !sign) break;
        token->text += c;
        Step();
    }
    if (!IsWellFormedNumber(token->text)) {
        *error = {token->line, token->column, "'" + token->text + "' is not a number"};
        return false;
    }
    return true;
}

bool EffectLexer::ReadBlock(const EffectToken& open, EffectGlsl* block, EffectTextError* error) {
    const size_t start = m_pos;
    block->line = m_line;
    size_t depth = 1;
    while (!AtEnd()) {
        bool skipped = false;
        if (!SkipComment(&skipped, error)) return false;
        if (skipped) continue;
        const char c = Peek();
        if (c == '{') {
            ++depth;
        } else if (c == '}' && --depth == 0) {
            block->text.assign(m_text + start, m_pos - start);
            Step();
            return true;
        }
        Step();
    }
    *error = {open.line, open.column, "the block opened here has no closing '}'"};
    return false;
}

}  // namespace d3dx9
