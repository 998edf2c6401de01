#pragma once
// Interim: replaced by the weapons branch.
#include <array>
#include <string_view>
namespace weapons {
struct WeaponEntry {
    std::string_view listText;
};
inline constexpr std::array<WeaponEntry, 0> weaponCatalogue{};
} // namespace weapons
