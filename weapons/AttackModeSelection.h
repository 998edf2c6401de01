#pragma once

#include "AttackModeWeapon.h"
#include "ChoiceOutcome.h"

#include <cstdint>
#include <optional>
#include <variant>

namespace weapons {

using AttackModeConfirmation = std::variant<NoAction, ShowErrorMessage, SetDamageCode>;

// OK in an attack-mode window. checkedRadio is the position of the checked radio button
// (0 for RadioButton1), none when no button is checked. Only modes with minimums look at
// Stärke and Geschick; the weapon list tested the others before it opened the window.
// The window closes afterwards whatever the result.
AttackModeConfirmation confirmAttackMode(AttackModeWeapon weapon, std::optional<int> checkedRadio,
                                         std::int32_t strength, std::int32_t dexterity);

} // namespace weapons
