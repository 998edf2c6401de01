#include "CombatState.h"

namespace engine {

void resetCombatState(CombatState& state) {
    const std::int32_t fighter1Attacks = state.fighter1Attacks;
    const std::int32_t fighter2Attacks = state.fighter2Attacks;
    state = CombatState{};
    state.fighter1Attacks = fighter1Attacks;
    state.fighter2Attacks = fighter2Attacks;
}

} // namespace engine
