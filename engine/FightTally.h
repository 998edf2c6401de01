#pragma once

#include "Round.h"

#include <array>
#include <cstdint>

namespace engine {

// What one fighter's attacks did over a fight.
struct AttackTally {
    std::int64_t hits = 0;
    std::int64_t defended = 0;
    std::int64_t missed = 0;
    // 64 bits: no count or sum of a fight, however long, overflows.
    std::int64_t lifeDealt = 0;
    std::int64_t enduranceDealt = 0;
};

// The sums of the rounds fought in one fight, for its closing summary.
struct FightTally {
    std::int64_t rounds = 0;
    std::array<AttackTally, 2> attacksBy{}; // indexed by the attacking fighter

    void add(const RoundReport& report);
};

} // namespace engine
