#pragma once

#include "CombatState.h"
#include "DiceGenerator.h"
#include "RoundWindow.h"

#include <array>
#include <cstdint>

namespace engine {

// An attack below 20 misses; from 20 on it is defended by an equal or higher defence
// total and hits otherwise.
enum class AttackOutcome : unsigned char { Missed, Defended, Hit };

inline constexpr std::int32_t minimumAttackTotal = 20;
inline constexpr std::int32_t lostAtLifePoints = 3;

// What one fighter's attack did to its opponent this round.
struct AttackReport {
    AttackOutcome outcome = AttackOutcome::Missed;
    bool takesEffect = false; // false until the fighter has attacked with a weapon
    std::int32_t enduranceLost = 0;
    std::int32_t lifeLost = 0;
};

// What a completed round computed, beyond what the state and the labels show.
struct RoundReport {
    std::int32_t roundNumber = 0;
    std::array<AttackReport, 2> attackBy{}; // indexed by the attacking fighter
    std::array<bool, 2> hasLost{};          // indexed by fighter
    std::array<FighterState, 2> fighters{}; // both fighters as the round left them
};

AttackOutcome judgeAttack(std::int32_t attackTotal, std::int32_t defenceTotal);

// The text of the round line after a round.
std::string roundLine(std::int32_t roundNumber);

// One press of "Eine Runde generieren". Throws toolkit::ConversionError when a value
// label holds no whole number; what was done up to that label stays done.
RoundReport generateRound(CombatState& state, DiceGenerator& dice, RoundWindow& window);

} // namespace engine
