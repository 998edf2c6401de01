#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace toolkit {

// A text that is no whole number. The message is the one the user sees.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(std::string_view text);

    // The whole message. what() ends at the first NUL, which typed text may contain.
    const std::string& message() const { return m_message; }

private:
    std::string m_message;
};

// Whole-number conversion used for every number that crosses the user interface:
// leading blanks, an optional sign, then decimal digits or hexadecimal digits after
// "$", "x" or "0x". Anything else, an empty text, or a value outside the signed
// 32-bit range is no number. Texts are UTF-8.
std::optional<std::int32_t> tryParseInteger(std::string_view text);

// As tryParseInteger, but throws ConversionError("'text' ist kein gültiger Integerwert"),
// the text isolated where it needs it (see isolated()).
std::int32_t parseInteger(std::string_view text);

// Plain decimal text: a leading "-" for negative values, no blanks or leading zeros.
std::string integerText(std::int32_t value);

} // namespace toolkit
