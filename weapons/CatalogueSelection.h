#pragma once

#include "ChoiceOutcome.h"

#include <cstdint>
#include <variant>

namespace weapons {

using CatalogueChoice =
    std::variant<NoAction, ShowErrorMessage, SetDamageCode, OpenAttackModeWindow>;

// A line of a fighter's weapon list was selected. index is the list's selected index
// (-1 when none); strength and dexterity are that fighter's Stärke and Geschick.
// A weapon that is not available is refused before any attribute is looked at.
CatalogueChoice chooseFromCatalogue(int index, std::int32_t strength, std::int32_t dexterity);

} // namespace weapons
