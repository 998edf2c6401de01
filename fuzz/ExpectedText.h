#pragma once

#include "toolkit/core/IsolatedText.h"

#include <string>
#include <string_view>

namespace fuzz {

// What the program writes for a number: "0", or an optional "-" and digits without
// leading zeros, and never "-0".
inline bool isPlainDecimal(std::string_view text) {
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
        if (text == "0") {
            return false;
        }
    }
    if (text.empty() || (text.front() == '0' && text.size() > 1)) {
        return false;
    }
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// Whether an error's what() is the conversion message for the text. what() hands out a
// C string, so the message ends at the first NUL byte of the text. The text is quoted as
// toolkit::isolated() shows it, which has its own tests.
inline bool isConversionMessageFor(const char* what, std::string_view text) {
    const std::string message =
        "'" + toolkit::isolated(text) + "' ist kein g\xC3\xBCltiger Integerwert";
    return std::string_view(what) == std::string_view(message).substr(0, message.find('\0'));
}

} // namespace fuzz
