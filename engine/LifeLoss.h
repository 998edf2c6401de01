#pragma once

#include "CombatState.h"
#include "Fighter.h"
#include "RoundWindow.h"

#include <cstdint>
#include <vector>

namespace engine {

struct LossChance {
    std::int32_t lifePoints; // always positive
    double chance;
};

// What a fighter loses in life points to the opponent's attack in one round.
struct LifeLoss {
    std::vector<LossChance> losses; // ascending, each amount once
    double chanceOfNone = 1;

    bool canLose() const { return !losses.empty(); }
};

// The loss of the defender in a round as the round would play it on this record: the
// attacker's damage roll by its code (or the roll the record keeps when the code is not
// recognised), both W20, the defender's armour and the attacker's attack flag. The record
// must hold the panel's values and the flags as the round takes them up.
LifeLoss lifeLossOf(Fighter defender, const CombatState& loaded, const RoundWindow& window);

} // namespace engine
