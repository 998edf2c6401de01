#pragma once

#include "engine/SharedTexts.h"

#include <string_view>

namespace weapons {

// Texts the weapon choices show or write. They are the program's own words and stay
// exactly as they are.
inline constexpr std::string_view errorTitle = engine::errorTitle;
inline constexpr std::string_view notAvailableText =
    "Es tut mir leid, aber dieser Modus steht zur Zeit noch nicht zur Verfügung. Wir arbeiten "
    "daran.";
inline constexpr std::string_view missingAttributesText =
    "Sie haben nicht die erforderlichen Basiseigenschaften";
inline constexpr std::string_view notSelectableText = "Das ist nicht auswählbar";

// Written into the fighter's attack-type label after every weapon choice.
inline constexpr std::string_view normalAttackType = engine::normalAttackType;

// Flat attack values of an improvised or unfamiliar weapon.
inline constexpr std::string_view attackValueMinimumsMet = "4";
inline constexpr std::string_view attackValueMinimumsMissed = "0";

inline constexpr std::string_view okButtonCaption = "OK";

} // namespace weapons
