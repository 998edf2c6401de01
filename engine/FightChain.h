#pragma once

#include "FightForecast.h"
#include "LifeLoss.h"

#include <cstdint>

namespace engine {

// The end of a fight that starts at the given life points and in every round takes the
// two independent losses, by the 3-life-point rule, solved exactly as an absorbing chain
// over both fighters' life points. Never an UnreadableValue.
FightForecast solveFight(std::int32_t lifePoints1, std::int32_t lifePoints2,
                         const LifeLoss& lossOf1, const LifeLoss& lossOf2, std::int64_t budget);

} // namespace engine
