#include "CombatState.h"

namespace engine {

void resetCombatState(CombatState& state) {
    const std::int32_t fighter1Attacks = state.fighter1Attacks;
    const std::int32_t fighter2Attacks = state.fighter2Attacks;
    state = CombatState{};
    state.fighter1Attacks = fighter1Attacks;
    state.fighter2Attacks = fighter2Attacks;
}

void resetForRematch(CombatState& state) {
    const CombatState before = state;
    resetCombatState(state);
    for (const Fighter fighter : bothFighters) {
        const FighterState& kept = before.fighter(fighter);
        FighterState& now = state.fighter(fighter);
        now.armour = kept.armour;
        now.strength = kept.strength;
        now.dexterity = kept.dexterity;
        now.agility = kept.agility;
    }
}

} // namespace engine
