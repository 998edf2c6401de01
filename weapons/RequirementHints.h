#pragma once

#include "UntrainedWeapons.h"
#include "WeaponCatalogue.h"
#include "WeaponTableParts.h"
#include "engine/Fighter.h"

#include <optional>
#include <string>

namespace weapons {

// Tooltip texts that show a game master why a weapon is refused before choosing it:
// "Mindestwerte: St 61, Gs 31".
std::string minimumsHint(const AttributeMinimums& minimums);

// The hint of a weapon-list line; lines that are not available say so, and a weapon with
// attack modes adds the minimums its modes test.
std::string catalogueHint(const WeaponEntry& entry);

// The hint of an improvised or unfamiliar weapon in the given fighter's window; none for
// headings.
std::optional<std::string> untrainedWeaponHint(const UntrainedWeaponEntry& entry,
                                               engine::Fighter fighter);

} // namespace weapons
