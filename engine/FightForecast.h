#pragma once

#include "CombatState.h"
#include "RoundWindow.h"

#include <cstdint>
#include <string>
#include <variant>

namespace engine {

// How the fight ends when every round from the next on is played with the values the
// panel, the check boxes and the fight record hold now.
struct ForecastFigures {
    double fighter1Wins = 0;
    double fighter2Wins = 0;
    double bothFall = 0; // both at 3 life points or fewer after the same round
    double expectedRounds = 0;
};

// A value label the next round would fail to convert, with the conversion's message.
struct UnreadableValue {
    PanelLabel label;
    std::string message;
};

// Neither fighter can ever lose a life point, so the fight never ends.
struct NobodyCanFall {};

// The exact computation would take more steps than allowed.
struct TooLargeToCompute {
    double steps;
    std::int64_t budget;
};

using FightForecast =
    std::variant<ForecastFigures, UnreadableValue, NobodyCanFall, TooLargeToCompute>;

// About 5 ms of work: both fighters at 500 life points with 21 different losses each, the
// most any damage code can cause.
inline constexpr std::int64_t defaultForecastBudget = 497LL * 497 * (21 + 21);

// The exact odds of the fight from the next round on, each die taken as fair and
// independent. Reads what the next round would read and changes nothing: neither the
// record, nor the window, nor the dice.
FightForecast forecastFight(const CombatState& state, const RoundWindow& window,
                            std::int64_t budget = defaultForecastBudget);

} // namespace engine
