#include "Armour.h"

#include "toolkit/core/IntegerText.h"

namespace weapons {

std::int32_t armourAfterChange(int selectedIndex, int entryCount, std::int32_t stored) {
    if (selectedIndex < 0 || selectedIndex >= entryCount) {
        return stored;
    }
    return static_cast<std::int32_t>(selectedIndex);
}

std::string armourLabelText(std::int32_t armour) {
    return toolkit::integerText(armour);
}

ArmourChoice chooseArmour(int selectedIndex, int entryCount, std::int32_t stored) {
    const std::int32_t armour = armourAfterChange(selectedIndex, entryCount, stored);
    return {armour, armourLabelText(armour)};
}

} // namespace weapons
