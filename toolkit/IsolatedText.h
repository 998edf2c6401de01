#pragma once

#include <string>
#include <string_view>

namespace toolkit {

// Typed text shown inside other text is wrapped in FIRST STRONG ISOLATE ... POP DIRECTIONAL
// ISOLATE, so bidirectional controls in it (a right-to-left override, say) reorder only the
// typed text itself and never the sentence around it. The typed text is kept whole. An
// unterminated embedding or override in the typed text ends at the closing isolate.
inline constexpr std::string_view firstStrongIsolate = "\u2068";
inline constexpr std::string_view popDirectionalIsolate = "\u2069";

inline std::string isolated(std::string_view typed) {
    std::string text;
    text.reserve(typed.size() + firstStrongIsolate.size() + popDirectionalIsolate.size());
    text.append(firstStrongIsolate).append(typed).append(popDirectionalIsolate);
    return text;
}

} // namespace toolkit
