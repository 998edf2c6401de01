#pragma once

#include <cstdint>
#include <optional>

namespace weapons {

// What a weapon or an attack mode asks of the fighter. An absent minimum is not tested.
struct AttributeMinimums {
    std::optional<std::int32_t> strength;  // Stärke
    std::optional<std::int32_t> dexterity; // Geschick

    friend constexpr bool operator==(const AttributeMinimums&, const AttributeMinimums&) = default;
};

// Signed comparison; a minimum N is met by N or more. Geschick is tested first, as the
// weapon list does; the order never changes the result.
constexpr bool meetsMinimums(const AttributeMinimums& minimums, std::int32_t strength,
                             std::int32_t dexterity) {
    if (minimums.dexterity && dexterity < *minimums.dexterity) {
        return false;
    }
    if (minimums.strength && strength < *minimums.strength) {
        return false;
    }
    return true;
}

} // namespace weapons
