// The tokens of an effect text: names, numbers and punctuation, with `//` and `/* */` comments
// skipped, and the GLSL blocks cut out whole between their braces.
#pragma once

#include <cstddef>
#include <string>

#include "platform/d3dx9/d3dx9_effect_description.h"
#include "platform/d3dx9/d3dx9_effect_parser.h"

namespace d3dx9 {

enum class EffectTokenKind {
    End,         // no more text
    Identifier,  // a letter or underscore, then letters, digits and underscores
    Number,      // 12, 0x1F, 1.5, .5, 1e-3, 2.0f (the sign is a token of its own)
    Symbol,      // one of { } [ ] = ; , - +
};

struct EffectToken {
    EffectTokenKind kind = EffectTokenKind::End;
    std::string text;
    int line = 1;
    int column = 1;
};

class EffectLexer {
public:
    // The text is read, never copied; it must outlive the lexer.
    EffectLexer(const char* text, std::size_t length) : m_text(text), m_length(length) {}

    // The next token; false, with the error filled in, where the text holds no token.
    bool Next(EffectToken* token, EffectTextError* error);

    // Called when the last token read is the `{` open: takes the text up to the matching `}`
    // (braces inside comments do not count), consumes that `}`, and returns the text between.
    bool ReadBlock(const EffectToken& open, EffectGlsl* block, EffectTextError* error);

private:
    bool AtEnd() const { return m_pos >= m_length; }
    char Peek(std::size_t ahead = 0) const {
        return m_pos + ahead < m_length ? m_text[m_pos + ahead] : '\0';
    }
    void Step();
    // Skips one comment starting here, if there is one; false when it never ends.
    bool SkipComment(bool* skipped, EffectTextError* error);
    bool ReadNumber(EffectToken* token, EffectTextError* error);

    const char* m_text;
    std::size_t m_length;
    std::size_t m_pos = 0;
    int m_line = 1;
    int m_column = 1;
};

}  // namespace d3dx9
