#include "AttackModes.h"

namespace weapons {

const AttackModeWeaponData& attackModeWeaponData(AttackModeWeapon weapon) {
    return attackModeWeapons[static_cast<std::size_t>(weapon)];
}

std::string_view captionFor(const AttackModeOption& option, engine::Fighter fighter) {
    if (fighter == engine::Fighter::Second && !option.secondFighterCaption.empty()) {
        return option.secondFighterCaption;
    }
    return option.caption;
}

ChoiceOutcome confirmAttackMode(AttackModeWeapon weapon, std::optional<int> checkedRadio,
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
    return SetDamageCode{mode->damageCode, {attackModeWeaponData(weapon).name, mode->caption}};
}

} // namespace weapons
