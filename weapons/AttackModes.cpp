#include "AttackModes.h"

namespace weapons {

const AttackModeWeaponData& attackModeWeaponData(AttackModeWeapon weapon) {
    return attackModeWeapons[static_cast<std::size_t>(weapon)];
}

const AttackModeWindow& attackModeWindow(AttackModeWeapon weapon, engine::Fighter fighter) {
    return attackModeWeaponData(weapon).windows[engine::indexOf(fighter)];
}

std::string_view captionFor(const AttackModeOption& option, engine::Fighter fighter) {
    if (fighter == engine::Fighter::Second && !option.secondFighterCaption.empty()) {
        return option.secondFighterCaption;
    }
    return option.caption;
}

} // namespace weapons
