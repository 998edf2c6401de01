#include "WeaponCatalogue.h"

namespace weapons {

ChoiceOutcome chooseFromCatalogue(int index, std::int32_t strength, std::int32_t dexterity) {
    const WeaponEntry* entry = rowAt<WeaponEntry>(weaponCatalogue, index);
    if (entry == nullptr) {
        return NoAction{};
    }
    if (!meetsMinimums(entry->minimums, strength, dexterity)) {
        return ShowErrorMessage{missingAttributesText};
    }
    return entry->outcome;
}

} // namespace weapons
