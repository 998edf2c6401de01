#include "UntrainedWeapons.h"

namespace weapons {

bool setsFlatAttackValue(const UntrainedWeaponEntry& entry, engine::Fighter fighter) {
    return entry.kind == UntrainedEntryKind::Weapon ||
           (entry.kind == UntrainedEntryKind::Brawling && fighter == engine::Fighter::Second);
}

ChoiceOutcome confirmUntrainedWeapon(std::span<const UntrainedWeaponEntry> table,
                                     engine::Fighter fighter, int selectedIndex,
                                     std::int32_t strength, std::int32_t dexterity) {
    const UntrainedWeaponEntry* entry = rowAt(table, selectedIndex);
    if (entry == nullptr) {
        return NoAction{};
    }
    switch (entry->kind) {
    case UntrainedEntryKind::Heading:
        return ShowErrorMessage{notSelectableText};
    case UntrainedEntryKind::NotAvailable:
        return ShowErrorMessage{notAvailableText};
    case UntrainedEntryKind::Brawling:
    case UntrainedEntryKind::Weapon:
        break;
    }
    if (!setsFlatAttackValue(*entry, fighter)) {
        return SetUntrainedWeapon{entry->damageCode, std::nullopt, {entry->listText}};
    }
    const bool met = meetsMinimums(entry->minimums, strength, dexterity);
    return SetUntrainedWeapon{entry->damageCode,
                              met ? attackValueMinimumsMet : attackValueMinimumsMissed,
                              {entry->listText}};
}

} // namespace weapons
