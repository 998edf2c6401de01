#pragma once

#include "AttackModeWeapon.h"
#include "UntrainedWeapons.h"
#include "WeaponCatalogue.h"
#include "engine/Fighter.h"

#include <string>

namespace weapons {

// The name of a chosen weapon as a game master reads it beside its DamageCode. Each is
// empty where there is no entry to name.

// The weapon-list line: "Dolch (1W6-1)".
std::string catalogueWeaponName(int row);

// The weapon and the mode as the fighter's window shows it: "Anderthalbhänder, einhändig
// (1W6+1)".
std::string attackModeWeaponName(AttackModeWeapon weapon, int mode, engine::Fighter fighter);

// The list line and the kind of weapon: "Stuhl (1W6-1), improvisiert".
std::string untrainedWeaponName(const UntrainedWeaponDialog& dialog, int row);

} // namespace weapons
