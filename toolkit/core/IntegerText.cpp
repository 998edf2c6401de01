#include "IntegerText.h"

#include "IsolatedText.h"

#include <limits>

namespace toolkit {

namespace {

std::string conversionMessage(std::string_view text) {
    // Whatever bidirectional controls the typed text holds, the sentence around it reads as
    // it should.
    std::string message;
    message.reserve(text.size() + 48);
    message += '\'';
    message += isolated(text);
    message += "' ist kein gültiger Integerwert";
    return message;
}

int digitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < base ? value : -1;
}

} // namespace

ConversionError::ConversionError(std::string_view text)
    : std::runtime_error(conversionMessage(text)), m_message(conversionMessage(text)) {}

std::optional<std::int32_t> tryParseInteger(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    int base = 10;
    if (pos < text.size() && (text[pos] == '$' || text[pos] == 'x' || text[pos] == 'X')) {
        base = 16;
        pos += 1;
    } else if (pos + 1 < text.size() && text[pos] == '0' &&
               (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        base = 16;
        pos += 2;
    }
    if (pos == text.size()) {
        return std::nullopt;
    }
    // The magnitude may reach 2^31 for the most negative value; anything larger is out
    // of range however many digits follow, so stop accumulating there.
    constexpr std::uint64_t limit = std::uint64_t{1} << 31;
    std::uint64_t magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = digitValue(text[pos], base);
        if (digit < 0) {
            return std::nullopt;
        }
        magnitude =
            magnitude * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    if (negative) {
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude));
    }
    if (magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(magnitude);
}

std::int32_t parseInteger(std::string_view text) {
    if (const auto value = tryParseInteger(text)) {
        return *value;
    }
    throw ConversionError(text);
}

std::string integerText(std::int32_t value) {
    return std::to_string(value);
}

} // namespace toolkit
