#pragma once

#include "Fighter.h"

#include <cstdint>

namespace engine {

// Everything the fight keeps about one fighter. Plain data: whoever writes a field
// also updates the label that shows it.
struct FighterState {
    std::int32_t lifePoints = 0;
    std::int32_t endurancePoints = 0;
    std::int32_t attackSkill = 0;
    std::int32_t defenceSkill = 0;
    std::int32_t attackTotal = 0;
    std::int32_t defenceTotal = 0;
    std::int32_t strength = 0;
    std::int32_t dexterity = 0;
    std::int32_t agility = 0;
    std::int32_t armour = 0;
    std::int32_t damageRoll = 0;
    std::int32_t attackRoll = 0;
    std::int32_t defenceRoll = 0;

    friend bool operator==(const FighterState&, const FighterState&) = default;
};

// The one record of the running fight. The two attack flags stand behind the block
// that a new fight zeroes: once a fighter has attacked with a weapon, it keeps
// attacking in every later fight of the process.
struct CombatState {
    FighterState fighter1;
    FighterState fighter2;
    std::int32_t roundNumber = 0;
    std::int32_t netDamageToFighter1 = 0;
    std::int32_t netDamageToFighter2 = 0;
    std::int32_t fighter1Attacks = 0;
    std::int32_t fighter2Attacks = 0;

    FighterState& fighter(Fighter which) { return which == Fighter::First ? fighter1 : fighter2; }
    const FighterState& fighter(Fighter which) const {
        return which == Fighter::First ? fighter1 : fighter2;
    }
    std::int32_t& attacks(Fighter which) {
        return which == Fighter::First ? fighter1Attacks : fighter2Attacks;
    }
    std::int32_t attacks(Fighter which) const {
        return which == Fighter::First ? fighter1Attacks : fighter2Attacks;
    }
    std::int32_t& netDamageTo(Fighter which) {
        return which == Fighter::First ? netDamageToFighter1 : netDamageToFighter2;
    }

    friend bool operator==(const CombatState&, const CombatState&) = default;
};

// Zeroes both fighters, the round number and both net damages; keeps the attack flags.
void resetCombatState(CombatState& state);

// The same fighters start again: like resetCombatState, but each keeps its armour,
// strength, dexterity and agility.
void resetForRematch(CombatState& state);

} // namespace engine
