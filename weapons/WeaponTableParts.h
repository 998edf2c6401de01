#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace weapons {

// The parts the weapon list, the attack-mode and the untrained-weapon tables are built from.

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

// The row at a list index as the toolkit reports it (-1 when nothing is selected), or
// nullptr for any index that names no row.
template <typename Row> const Row* rowAt(std::span<const Row> rows, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= rows.size()) {
        return nullptr;
    }
    return &rows[static_cast<std::size_t>(index)];
}

} // namespace weapons
