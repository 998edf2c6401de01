#include "UntrainedWeaponSelection.h"

#include "WindowTexts.h"

namespace weapons {

UntrainedWeaponConfirmation confirmUntrainedWeapon(std::span<const UntrainedWeaponEntry> table,
                                                   engine::Fighter fighter, int selectedIndex,
                                                   std::int32_t strength, std::int32_t dexterity) {
    const UntrainedWeaponEntry* entry = untrainedEntryAt(table, selectedIndex);
    if (entry == nullptr) {
        return NoAction{};
    }
    switch (entry->kind) {
    case UntrainedEntryKind::Heading:
        return ShowErrorMessage{notSelectableText};
    case UntrainedEntryKind::NotAvailable:
        return ShowErrorMessage{notAvailableText};
    case UntrainedEntryKind::Brawling:
        // Fighter 1's brawling keeps whatever attack value the fighter has.
        if (fighter == engine::Fighter::First) {
            return SetUntrainedWeapon{entry->damageCode, std::nullopt};
        }
        break;
    case UntrainedEntryKind::Weapon:
        break;
    }
    const bool met = meetsMinimums(entry->minimums, strength, dexterity);
    return SetUntrainedWeapon{entry->damageCode,
                              met ? attackValueMinimumsMet : attackValueMinimumsMissed};
}

} // namespace weapons
