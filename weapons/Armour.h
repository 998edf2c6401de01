#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace weapons {

// Each fighter has two drop-down lists that write the same armour value: the armour class,
// or, with "Altenativ" ticked, a bare protection value. An entry stores its own index.
inline constexpr std::string_view armourClassTitle = "Rüstklasse";
inline constexpr std::string_view protectionValueTitle = "Rüstungsschutz";
inline constexpr std::string_view alternativeArmourCaption = "Altenativ";

inline constexpr std::array<std::string_view, 7> armourClassEntries{
    "Ohne Rüstung",   "Textilrüstung", "Lederrüstung",  "Kettenrüstung",
    "Plattenrüstung", "Vollrüstung",   "Ritterrüstung",
};

inline constexpr std::array<std::string_view, 11> protectionValueEntries{
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10",
};

// The armour value after a drop-down with entryCount entries changed its selection: the
// selected index when it names an entry, otherwise (-1 after the text was emptied) the
// stored value.
std::int32_t armourAfterChange(int selectedIndex, int entryCount, std::int32_t stored);

// Text of the fighter's "RK:" label, rewritten after every change of either drop-down.
std::string armourLabelText(std::int32_t armour);

// What a change of either drop-down decides: the armour value the fighter keeps and the
// text of his "RK:" label.
struct ArmourChoice {
    std::int32_t armour;
    std::string labelText;
};

// selectedIndex is the drop-down's entry after the change (-1 when its text names none),
// entryCount its number of entries, stored the armour value before the change.
ArmourChoice chooseArmour(int selectedIndex, int entryCount, std::int32_t stored);

} // namespace weapons
