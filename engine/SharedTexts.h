#pragma once

#include "Fighter.h"

#include <array>
#include <string_view>

namespace engine {

// Texts that the round, the weapon choices and the windows all show. They are the
// program's own words and stay exactly as they are.

// The attack type of a fighter with a chosen weapon; only such a fighter attacks.
inline constexpr std::string_view normalAttackType = "normal";

// The caption of every box that reports a wrong input.
inline constexpr std::string_view errorTitle = "Fehler";

inline constexpr std::array<std::string_view, 2> fighterNames{"Kämpfer 1", "Kämpfer 2"};

constexpr std::string_view fighterName(Fighter fighter) {
    return fighterNames[indexOf(fighter)];
}

} // namespace engine
