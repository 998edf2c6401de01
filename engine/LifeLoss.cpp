#include "LifeLoss.h"

#include "Arithmetic.h"
#include "DamageTable.h"
#include "Round.h"

#include <array>
#include <map>

namespace engine {

namespace {

constexpr int attackDieFaces = 20;
constexpr int damageDieFaces = 6;

// Each damage roll the attacker can make this round, with its chance.
std::map<std::int32_t, double> damageChances(Fighter attacker, const CombatState& loaded,
                                             const RoundWindow& window) {
    const DamageRow* row = findDamageRow(window.labelText(controlsOf(attacker).damageCode));
    if (row == nullptr) {
        return {{loaded.fighter(attacker).damageRoll, 1.0}};
    }
    const DiceRoll roll = diceRollOf(*row, opponentFireSensitive(attacker, window));
    std::map<std::int32_t, double> sums{{0, 1.0}};
    for (std::int32_t die = 0; die < roll.sixSidedDice; ++die) {
        std::map<std::int32_t, double> next;
        for (const auto& [sum, chance] : sums) {
            for (std::int32_t face = 1; face <= damageDieFaces; ++face) {
                next[sum + face] += chance / damageDieFaces;
            }
        }
        sums = std::move(next);
    }
    std::map<std::int32_t, double> damages;
    for (const auto& [sum, chance] : sums) {
        damages[sum + roll.modifier] += chance;
    }
    return damages;
}

// The chance of each outcome of the attacker's W20 against the defender's W20.
std::array<double, 3> outcomeChances(const FighterState& attacker, const FighterState& defender) {
    std::array<double, 3> chances{};
    constexpr double pairChance = 1.0 / (attackDieFaces * attackDieFaces);
    for (std::int32_t attackDie = 1; attackDie <= attackDieFaces; ++attackDie) {
        for (std::int32_t defenceDie = 1; defenceDie <= attackDieFaces; ++defenceDie) {
            const AttackOutcome outcome =
                judgeAttack(wrappingAdd(attacker.attackSkill, attackDie),
                            wrappingAdd(defender.defenceSkill, defenceDie));
            chances[static_cast<std::size_t>(outcome)] += pairChance;
        }
    }
    return chances;
}

} // namespace

LifeLoss lifeLossOf(Fighter defender, const CombatState& loaded, const RoundWindow& window) {
    const Fighter attacker = opponentOf(defender);
    const FighterState& from = loaded.fighter(attacker);
    const FighterState& to = loaded.fighter(defender);
    const bool takesEffect = loaded.attacks(attacker) == 1;
    const std::array<double, 3> outcomes = outcomeChances(from, to);

    std::map<std::int32_t, double> lost;
    for (const auto& [damage, damageChance] : damageChances(attacker, loaded, window)) {
        for (const AttackOutcome outcome :
             {AttackOutcome::Missed, AttackOutcome::Defended, AttackOutcome::Hit}) {
            const double chance = outcomes[static_cast<std::size_t>(outcome)] * damageChance;
            if (chance > 0) {
                const AttackReport effect =
                    attackEffect(outcome, takesEffect, damage, wrappingSub(damage, to.armour));
                lost[effect.lifeLost] += chance;
            }
        }
    }

    LifeLoss loss;
    loss.chanceOfNone = 0;
    for (const auto& [lifePoints, chance] : lost) {
        if (lifePoints == 0) {
            loss.chanceOfNone = chance;
        } else {
            loss.losses.push_back({lifePoints, chance});
        }
    }
    return loss;
}

} // namespace engine
