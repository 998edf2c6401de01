#pragma once

#include <string>
#include <string_view>

namespace toolkit {

// Typed text shown inside a sentence is wrapped in FIRST STRONG ISOLATE ... POP DIRECTIONAL
// ISOLATE where it could otherwise change how the sentence reads; any other typed text is
// shown exactly as typed. Texts are UTF-8.
inline constexpr std::string_view firstStrongIsolate = "\u2068";
inline constexpr std::string_view popDirectionalIsolate = "\u2069";

// A character of bidirectional class R, AL or AN, or an embedding, override or isolate
// control (U+202A–U+202E, U+2066–U+2069): what can reorder text around it.
bool changesSurroundingOrder(char32_t c);

// The text holds such a character.
bool needsIsolation(std::string_view text);

// The typed text as it is, or, where it needs isolation, isolated so that nothing in it can
// end the isolate or leave a control open after it. Every typed character is kept.
std::string isolated(std::string_view typed);

} // namespace toolkit
