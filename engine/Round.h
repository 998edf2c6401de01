#pragma once

#include "CombatState.h"
#include "DiceSource.h"
#include "RoundWindow.h"
#include "toolkit/core/IntegerText.h"

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

// A value label of the panel that holds no whole number. The message is the conversion's
// own; the label tells the log which fighter and which value it was.
class PanelConversionError : public toolkit::ConversionError {
public:
    PanelConversionError(const toolkit::ConversionError& error, PanelLabel label)
        : toolkit::ConversionError(error), label(label) {}
    PanelLabel label;
};

AttackOutcome judgeAttack(std::int32_t attackTotal, std::int32_t defenceTotal);

// What an attack costs its defender: the attacker's damage roll in endurance points when
// it is not missed, and the net damage in life points when it hits; nothing below zero,
// and nothing at all before the attacker has attacked with a weapon.
AttackReport attackEffect(AttackOutcome outcome, bool takesEffect, std::int32_t damageRoll,
                          std::int32_t netDamage);

// The fire check box that counts for the fighter's damage roll: the opponent's.
bool opponentFireSensitive(Fighter fighter, const RoundWindow& window);

// Converts the panel's skills, life and endurance points into the fighters' working copies,
// in the round's order. Throws PanelConversionError at the first label that holds no whole
// number; the values converted before it stay stored.
void loadPanel(CombatState& state, const RoundWindow& window);

// Sets the attack flag of each fighter whose attack type reads "normal"; never clears one.
void takeUpAttackFlags(CombatState& state, const RoundWindow& window);

// The text of the round line after a round.
std::string roundLine(std::int32_t roundNumber);

// A whole round without a window's history or log: resolveRound, then announceEndOfFight.
// What the window does on "Eine Runde generieren" besides; the fuzzer and the benchmark
// play rounds through it.
RoundReport generateRound(CombatState& state, DiceSource& dice, RoundWindow& window);

// Everything of a round up to the end of the fight: rolls, both attacks and the panel.
// Throws PanelConversionError when a value label holds no whole number; what was done up
// to that label stays done.
RoundReport resolveRound(CombatState& state, DiceSource& dice, RoundWindow& window);

// The end of the fight after a resolved round: for each fighter that has lost, the round
// button is disabled and the "Kampfende" box shown, fighter 1's first.
void announceEndOfFight(const RoundReport& report, RoundWindow& window);

} // namespace engine
