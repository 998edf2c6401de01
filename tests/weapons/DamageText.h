#pragma once

#include <string_view>

namespace weapons_test {

// The text of the parenthesised group that closes a list text or caption, nested
// parentheses included: "Skhallanta (2x(2W6-3))" gives "2x(2W6-3)". Empty when the text
// does not end with such a group.
inline std::string_view closingParenthesised(std::string_view text) {
    if (text.empty() || text.back() != ')') {
        return {};
    }
    int depth = 0;
    for (std::size_t pos = text.size(); pos-- > 0;) {
        if (text[pos] == ')') {
            ++depth;
        } else if (text[pos] == '(' && --depth == 0) {
            return text.substr(pos + 1, text.size() - pos - 2);
        }
    }
    return {};
}

} // namespace weapons_test
