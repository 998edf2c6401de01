#pragma once

#include <cstdint>

namespace engine {

// The rules add and subtract signed 32-bit values that come from typed text, so any of
// them may lie at the edge of the range. They wrap around like the machine arithmetic
// of the original rules instead of being undefined behaviour.
constexpr std::int32_t wrappingAdd(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

constexpr std::int32_t wrappingSub(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

} // namespace engine
