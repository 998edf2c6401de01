#include "AttackModeSelection.h"

#include "AttackModes.h"
#include "TableRow.h"

namespace weapons {

AttackModeConfirmation confirmAttackMode(AttackModeWeapon weapon, std::optional<int> checkedRadio,
                                         std::int32_t strength, std::int32_t dexterity) {
    if (!checkedRadio) {
        return NoAction{};
    }
    const AttackModeOption* mode = rowAt(attackModeWeaponData(weapon).modes, *checkedRadio);
    if (mode == nullptr) {
        return NoAction{};
    }
    if (!meetsMinimums(mode->minimums, strength, dexterity)) {
        return ShowErrorMessage{missingAttributesText};
    }
    return SetDamageCode{mode->damageCode,
                         {attackModeWeaponData(weapon).windowTitle, mode->caption}};
}

} // namespace weapons
