#pragma once
// Interim: replaced by the weapons branch.
#include <array>
#include <string_view>
namespace weapons {
inline constexpr std::string_view armourClassTitle = "Rüstklasse";
inline constexpr std::string_view protectionTitle = "Rüstungsschutz";
inline constexpr std::array<std::string_view, 7> armourClassEntries{
    "Ohne Rüstung", "Textilrüstung", "Lederrüstung", "Kettenrüstung",
    "Plattenrüstung", "Vollrüstung", "Ritterrüstung"};
inline constexpr std::array<std::string_view, 11> protectionEntries{
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
} // namespace weapons
