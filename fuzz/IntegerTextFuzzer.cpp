// Arbitrary bytes as the text of a label or an edit field. The whole-number conversion
// must agree with an independent reading of its rules, fail only with its user-visible
// message, and read back every number the program writes.
#include "ExpectedText.h"
#include "FuzzCheck.h"
#include "toolkit/core/IntegerText.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

// The rules read another way: blanks, a sign, a prefix, then std::from_chars must take
// every remaining character as one number of the right base and range.
std::optional<std::int32_t> referenceParse(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    text.remove_prefix(start);
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    for (const std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
        if (text.starts_with(prefix)) {
            base = 16;
            text.remove_prefix(prefix.size());
            break;
        }
    }
    if (text.empty()) {
        return std::nullopt;
    }
    std::uint64_t magnitude = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, magnitude, base);
    if (error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    const std::uint64_t largest = negative ? std::uint64_t{1} << 31 : (std::uint64_t{1} << 31) - 1;
    if (magnitude > largest) {
        return std::nullopt;
    }
    const std::int64_t value =
        negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    return static_cast<std::int32_t>(value);
}

void checkWrittenText(std::int32_t value) {
    const std::string written = toolkit::integerText(value);
    fuzz::check(fuzz::isPlainDecimal(written), "integerText writes plain decimal text");
    fuzz::check(toolkit::tryParseInteger(written) == value, "integerText reads back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::int32_t> parsed = toolkit::tryParseInteger(text);
    fuzz::check(parsed == referenceParse(text), "accepted exactly when the reference accepts");

    try {
        const std::int32_t value = toolkit::parseInteger(text);
        fuzz::check(parsed == value, "parseInteger returns what tryParseInteger accepts");
    } catch (const toolkit::ConversionError& error) {
        fuzz::check(!parsed, "parseInteger fails only on what tryParseInteger rejects");
        fuzz::check(fuzz::isConversionMessageFor(error.what(), text),
                    "the failure carries the user-visible message");
    }

    if (parsed) {
        checkWrittenText(*parsed);
    }
    // Every value the round may write, taken straight from the first bytes.
    if (size >= sizeof(std::int32_t)) {
        std::int32_t value = 0;
        std::memcpy(&value, data, sizeof value);
        checkWrittenText(value);
    }
    return 0;
}
