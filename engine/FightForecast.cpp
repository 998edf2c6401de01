#include "FightForecast.h"

#include "FightChain.h"
#include "LifeLoss.h"
#include "Round.h"

namespace engine {

FightForecast forecastFight(const CombatState& state, const RoundWindow& window,
                            std::int64_t budget) {
    // The round's own reading, on a copy, so the record stays as it is.
    CombatState next = state;
    try {
        loadPanel(next, window);
    } catch (const PanelConversionError& error) {
        return UnreadableValue{error.label, error.message()};
    }
    takeUpAttackFlags(next, window);
    return solveFight(next.fighter1.lifePoints, next.fighter2.lifePoints,
                      lifeLossOf(Fighter::First, next, window),
                      lifeLossOf(Fighter::Second, next, window), budget);
}

} // namespace engine
