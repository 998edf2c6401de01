#include "Round.h"

#include "Arithmetic.h"
#include "DamageTable.h"
#include "SharedTexts.h"
#include "toolkit/core/IntegerText.h"

namespace engine {

namespace {

void rollFighterDamage(Fighter fighter, CombatState& state, DiceSource& dice, RoundWindow& window) {
    const auto damage = rollDamage(window.labelText(controlsOf(fighter).damageCode),
                                   opponentFireSensitive(fighter, window), dice);
    if (damage) {
        state.fighter(fighter).damageRoll = *damage;
    }
}

std::int32_t readInteger(const RoundWindow& window, PanelLabel label) {
    try {
        return toolkit::parseInteger(window.labelText(label));
    } catch (const toolkit::ConversionError& error) {
        throw PanelConversionError(error, label);
    }
}

void rollAttackAndDefence(FighterState& fighter, DiceSource& dice) {
    fighter.attackRoll = dice.rollW20();
    fighter.defenceRoll = dice.rollW20();
    fighter.attackTotal = wrappingAdd(fighter.attackSkill, fighter.attackRoll);
    fighter.defenceTotal = wrappingAdd(fighter.defenceSkill, fighter.defenceRoll);
}

AttackReport attack(Fighter attacker, CombatState& state) {
    const FighterState& from = state.fighter(attacker);
    FighterState& to = state.fighter(opponentOf(attacker));
    const std::int32_t netDamage = state.netDamageTo(opponentOf(attacker));

    const AttackReport report =
        attackEffect(judgeAttack(from.attackTotal, to.defenceTotal), state.attacks(attacker) == 1,
                     from.damageRoll, netDamage);
    to.endurancePoints = wrappingSub(to.endurancePoints, report.enduranceLost);
    to.lifePoints = wrappingSub(to.lifePoints, report.lifeLost);
    return report;
}

void writeInteger(RoundWindow& window, PanelLabel label, std::int32_t value) {
    window.setLabelText(label, toolkit::integerText(value));
}

void writePanel(const CombatState& state, RoundWindow& window) {
    const FighterControls& c1 = controlsOf(Fighter::First);
    const FighterControls& c2 = controlsOf(Fighter::Second);
    const FighterState& f1 = state.fighter1;
    const FighterState& f2 = state.fighter2;
    writeInteger(window, c1.damageShown, f1.damageRoll);
    writeInteger(window, c2.damageShown, f2.damageRoll);
    writeInteger(window, c1.attackRoll, f1.attackRoll);
    writeInteger(window, c2.attackRoll, f2.attackRoll);
    writeInteger(window, c1.attackTotal, f1.attackTotal);
    writeInteger(window, c2.attackTotal, f2.attackTotal);
    writeInteger(window, c1.defenceRoll, f1.defenceRoll);
    writeInteger(window, c2.defenceRoll, f2.defenceRoll);
    writeInteger(window, c1.defenceTotal, f1.defenceTotal);
    writeInteger(window, c2.defenceTotal, f2.defenceTotal);
    writeInteger(window, c1.lifePoints, f1.lifePoints);
    writeInteger(window, c2.lifePoints, f2.lifePoints);
    writeInteger(window, c1.endurancePoints, f1.endurancePoints);
    writeInteger(window, c2.endurancePoints, f2.endurancePoints);
    window.setLabelText(PanelLabel::Label64, roundLine(state.roundNumber));
}

} // namespace

bool opponentFireSensitive(Fighter fighter, const RoundWindow& window) {
    return window.isChecked(controlsOf(opponentOf(fighter)).fireSensitive);
}

void loadPanel(CombatState& state, const RoundWindow& window) {
    const FighterControls& c1 = controlsOf(Fighter::First);
    const FighterControls& c2 = controlsOf(Fighter::Second);
    state.fighter1.attackSkill = readInteger(window, c1.attackSkill);
    state.fighter2.attackSkill = readInteger(window, c2.attackSkill);
    state.fighter1.defenceSkill = readInteger(window, c1.defenceSkill);
    state.fighter2.defenceSkill = readInteger(window, c2.defenceSkill);
    state.fighter1.lifePoints = readInteger(window, c1.lifePoints);
    state.fighter2.lifePoints = readInteger(window, c2.lifePoints);
    state.fighter1.endurancePoints = readInteger(window, c1.endurancePoints);
    state.fighter2.endurancePoints = readInteger(window, c2.endurancePoints);
}

void takeUpAttackFlags(CombatState& state, const RoundWindow& window) {
    for (const Fighter fighter : bothFighters) {
        if (window.labelText(controlsOf(fighter).attackType) == normalAttackType) {
            state.attacks(fighter) = 1;
        }
    }
}

AttackReport attackEffect(AttackOutcome outcome, bool takesEffect, std::int32_t damageRoll,
                          std::int32_t netDamage) {
    AttackReport report;
    report.outcome = outcome;
    report.takesEffect = takesEffect;
    if (!takesEffect || outcome == AttackOutcome::Missed) {
        return report;
    }
    if (damageRoll > 0) {
        report.enduranceLost = damageRoll;
    }
    if (outcome == AttackOutcome::Hit && netDamage > 0) {
        report.lifeLost = netDamage;
    }
    return report;
}

AttackOutcome judgeAttack(std::int32_t attackTotal, std::int32_t defenceTotal) {
    if (attackTotal < minimumAttackTotal) {
        return AttackOutcome::Missed;
    }
    return attackTotal > defenceTotal ? AttackOutcome::Hit : AttackOutcome::Defended;
}

std::string roundLine(std::int32_t roundNumber) {
    return "Es ist die " + toolkit::integerText(roundNumber) + " Runde des Kampfes";
}

RoundReport generateRound(CombatState& state, DiceSource& dice, RoundWindow& window) {
    RoundReport report = resolveRound(state, dice, window);
    announceEndOfFight(report, window);
    return report;
}

RoundReport resolveRound(CombatState& state, DiceSource& dice, RoundWindow& window) {
    state.roundNumber = wrappingAdd(state.roundNumber, 1);
    for (const Fighter fighter : bothFighters) {
        rollFighterDamage(fighter, state, dice, window);
    }
    loadPanel(state, window);
    for (const Fighter fighter : bothFighters) {
        rollAttackAndDefence(state.fighter(fighter), dice);
    }
    for (const Fighter fighter : bothFighters) {
        state.netDamageTo(fighter) = wrappingSub(state.fighter(opponentOf(fighter)).damageRoll,
                                                 state.fighter(fighter).armour);
    }
    takeUpAttackFlags(state, window);

    RoundReport report;
    report.roundNumber = state.roundNumber;
    // Both attacks are judged on totals fixed before either takes effect; the first
    // attack changes nothing the second one reads.
    for (const Fighter attacker : bothFighters) {
        report.attackBy[indexOf(attacker)] = attack(attacker, state);
    }

    report.fighters = {state.fighter1, state.fighter2};
    writePanel(state, window);
    for (const Fighter fighter : bothFighters) {
        report.hasLost[indexOf(fighter)] = state.fighter(fighter).lifePoints <= lostAtLifePoints;
    }
    return report;
}

void announceEndOfFight(const RoundReport& report, RoundWindow& window) {
    for (const Fighter fighter : bothFighters) {
        if (report.hasLost[indexOf(fighter)]) {
            window.disableRoundButton();
            window.showMessageBox(std::string(fighterName(fighter)) + " hat verloren", "Kampfende");
        }
    }
}

} // namespace engine
