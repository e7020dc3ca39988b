// Replacement of @NAME@ tokens in an asset's plain text before it is scrambled, so that values
// defined once in the code (such as the distance-field spread) reach the effect text too.
#pragma once

#include <string>
#include <vector>

struct TokenReplacement {
    std::string name;   // the token without its @ delimiters
    std::string value;  // what every @name@ becomes
};

// Replaces every @name@ of each replacement in text, in the order given. False, with a
// message in error, when a name is not a valid token name or does not occur in text.
bool ReplaceTokens(std::string& text, const std::vector<TokenReplacement>& replacements,
                   std::string& error);

// The first @NAME@ token left in text (NAME a letter or underscore followed by letters,
// digits or underscores), delimiters included; empty when there is none.
std::string FindToken(const std::string& text);

// True when name can stand between the @ delimiters of a token.
bool IsTokenName(const std::string& name);
