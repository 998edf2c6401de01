#pragma once

#include "ChoiceOutcome.h"
#include "UntrainedWeapons.h"
#include "engine/Fighter.h"

#include <cstdint>
#include <span>
#include <variant>

namespace weapons {

// Shared by the improvised-weapon and the unfamiliar-weapon windows.
using UntrainedWeaponConfirmation = std::variant<NoAction, ShowErrorMessage, SetUntrainedWeapon>;

// Fighter 1's brawling is the one row that tests nothing and keeps the fighter's own
// attack value; every other weapon row sets the flat attack value from its minimums.
bool setsFlatAttackValue(const UntrainedWeaponEntry& entry, engine::Fighter fighter);

// OK in an improvised- or unfamiliar-weapon window of the given fighter. table is the
// window's list (improvisedWeaponTable or unfamiliarWeaponTable), selectedIndex its
// selected index (-1 when none). A missed minimum never refuses the weapon; it only
// lowers the attack value to "0". The window closes afterwards whatever the result.
UntrainedWeaponConfirmation confirmUntrainedWeapon(std::span<const UntrainedWeaponEntry> table,
                                                   engine::Fighter fighter, int selectedIndex,
                                                   std::int32_t strength, std::int32_t dexterity);

} // namespace weapons
