#include "WeaponNames.h"

#include "AttackModes.h"
#include "TableRow.h"

namespace weapons {

std::string catalogueWeaponName(int row) {
    const WeaponEntry* entry = catalogueEntryAt(row);
    return entry == nullptr ? std::string() : std::string(entry->listText);
}

std::string attackModeWeaponName(AttackModeWeapon weapon, int mode, engine::Fighter fighter) {
    const AttackModeWeaponData& data = attackModeWeaponData(weapon);
    const AttackModeOption* option = rowAt(data.modes, mode);
    if (option == nullptr) {
        return {};
    }
    return std::string(data.windowTitle).append(", ").append(captionFor(*option, fighter));
}

std::string untrainedWeaponName(const UntrainedWeaponDialog& dialog, int row) {
    const UntrainedWeaponEntry* entry = untrainedEntryAt(dialog.table, row);
    if (entry == nullptr) {
        return {};
    }
    return std::string(entry->listText).append(", ").append(dialog.weaponKind);
}

} // namespace weapons
