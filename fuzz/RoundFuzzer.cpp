// Rounds played on arbitrary label texts, fire check boxes and fight records. A round
// either stops at the first value label that holds no whole number and leaves every label
// as it was, or it writes plain decimal numbers that follow the rules and the round line.
// It never crashes and never computes undefined behaviour.
//
// Input: one byte with the check boxes CheckBox3 and CheckBox4 (bits 0 and 1) and the
// number of rounds (bits 2 and 3: one to four); one byte with the number of dice draws
// to skip before the first round; seven 32-bit values for the record fields a round reads
// before it writes them (round number, both damage rolls, both armours, both attack
// flags); then lines of text, twelve per round, for the labels in readLabels. A label
// without a line keeps what the previous round left in it.
#include "ExpectedText.h"
#include "FakeRoundWindow.h"
#include "FuzzCheck.h"
#include "InputReader.h"
#include "engine/CombatState.h"
#include "engine/DamageTable.h"
#include "engine/DiceGenerator.h"
#include "engine/Round.h"
#include "toolkit/core/IntegerText.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using engine::CombatState;
using engine::Fighter;
using engine::FighterState;
using engine::PanelLabel;
using fuzz::check;

constexpr std::array<PanelLabel, 12> readLabels{
    PanelLabel::Label11, PanelLabel::Label41, PanelLabel::Label1,  PanelLabel::Label10,
    PanelLabel::Label47, PanelLabel::Label48, PanelLabel::Label58, PanelLabel::Label59,
    PanelLabel::Label22, PanelLabel::Label23, PanelLabel::Label25, PanelLabel::Label26,
};

// The value labels in the order the round converts them, with the field each one fills.
struct LoadedValue {
    PanelLabel label;
    Fighter fighter;
    std::int32_t FighterState::*field;
};
constexpr std::array<LoadedValue, 8> loadOrder{{
    {PanelLabel::Label47, Fighter::First, &FighterState::attackSkill},
    {PanelLabel::Label48, Fighter::Second, &FighterState::attackSkill},
    {PanelLabel::Label58, Fighter::First, &FighterState::defenceSkill},
    {PanelLabel::Label59, Fighter::Second, &FighterState::defenceSkill},
    {PanelLabel::Label22, Fighter::First, &FighterState::lifePoints},
    {PanelLabel::Label23, Fighter::Second, &FighterState::lifePoints},
    {PanelLabel::Label25, Fighter::First, &FighterState::endurancePoints},
    {PanelLabel::Label26, Fighter::Second, &FighterState::endurancePoints},
}};

using Labels = std::array<std::string, engine::panelLabelCount>;

std::size_t indexOf(PanelLabel label) {
    return static_cast<std::size_t>(label);
}

Labels allLabels(const FakeRoundWindow& window) {
    Labels labels;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i] = window.labelText(static_cast<PanelLabel>(i));
    }
    return labels;
}

// Signed 32-bit wrap-around, computed on a wider type.
std::int32_t wrap(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

// The record's per-fighter fields that have no const accessor.
std::int32_t attacksOf(const CombatState& state, Fighter fighter) {
    return fighter == Fighter::First ? state.fighter1Attacks : state.fighter2Attacks;
}

std::int32_t netDamageTo(const CombatState& state, Fighter fighter) {
    return fighter == Fighter::First ? state.netDamageToFighter1 : state.netDamageToFighter2;
}

std::int32_t valueIn(const Labels& labels, PanelLabel label) {
    return toolkit::tryParseInteger(labels[indexOf(label)]).value();
}

void checkDamageRoll(Fighter fighter, const CombatState& before, const CombatState& after,
                     const FakeRoundWindow& window) {
    const engine::FighterControls& own = engine::controlsOf(fighter);
    const std::int32_t rolled = after.fighter(fighter).damageRoll;
    const engine::DamageRow* row = engine::findDamageRow(window.labelText(own.damageCode));
    if (row == nullptr) {
        check(rolled == before.fighter(fighter).damageRoll,
              "an unrecognised damage code keeps the damage roll");
        return;
    }
    const bool fireSensitive =
        window.isChecked(engine::controlsOf(engine::opponentOf(fighter)).fireSensitive);
    const engine::DiceRoll dice =
        fireSensitive && row->againstFireSensitive ? *row->againstFireSensitive : row->roll;
    check(rolled >= dice.sixSidedDice + dice.modifier &&
              rolled <= 6 * dice.sixSidedDice + dice.modifier,
          "the damage roll lies within its dice");
}

// What the defender keeps after the opponent's attack, by the rules read on their own.
void checkDefender(Fighter defender, const Labels& labelsBefore, const CombatState& after) {
    const Fighter attacker = engine::opponentOf(defender);
    const FighterState& from = after.fighter(attacker);
    const FighterState& to = after.fighter(defender);
    const engine::FighterControls& controls = engine::controlsOf(defender);
    std::int32_t life = valueIn(labelsBefore, controls.lifePoints);
    std::int32_t endurance = valueIn(labelsBefore, controls.endurancePoints);
    const std::int32_t netDamage = netDamageTo(after, defender);
    check(netDamage == wrap(std::int64_t{from.damageRoll} - to.armour),
          "the net damage is the damage roll less the armour");
    if (attacksOf(after, attacker) == 1 && from.attackTotal >= 20) {
        if (from.damageRoll > 0) {
            endurance = wrap(std::int64_t{endurance} - from.damageRoll);
        }
        if (from.attackTotal > to.defenceTotal && netDamage > 0) {
            life = wrap(std::int64_t{life} - netDamage);
        }
    }
    check(to.lifePoints == life, "life points follow the rules");
    check(to.endurancePoints == endurance, "endurance points follow the rules");
}

void checkWritten(const Labels& after, PanelLabel label, std::int32_t value) {
    const std::string& text = after[indexOf(label)];
    check(fuzz::isPlainDecimal(text), "every written number is plain decimal text");
    check(toolkit::tryParseInteger(text) == value, "every written number is the record's value");
}

void checkCompletedRound(const CombatState& before, const Labels& labelsBefore,
                         const CombatState& state, const FakeRoundWindow& window,
                         std::size_t eventsBefore) {
    const Labels labelsAfter = allLabels(window);
    std::vector<std::string> expectedEvents;
    for (const Fighter fighter : engine::bothFighters) {
        const engine::FighterControls& controls = engine::controlsOf(fighter);
        const FighterState& own = state.fighter(fighter);
        check(own.attackSkill == valueIn(labelsBefore, controls.attackSkill) &&
                  own.defenceSkill == valueIn(labelsBefore, controls.defenceSkill),
              "the skills are the label values");
        check(own.attackRoll >= 1 && own.attackRoll <= 20 && own.defenceRoll >= 1 &&
                  own.defenceRoll <= 20,
              "attack and defence dice are W20");
        check(own.attackTotal == wrap(std::int64_t{own.attackSkill} + own.attackRoll) &&
                  own.defenceTotal == wrap(std::int64_t{own.defenceSkill} + own.defenceRoll),
              "totals are skill plus die");
        check(own.armour == before.fighter(fighter).armour, "the round keeps the armour");
        const bool normal = labelsBefore[indexOf(controls.attackType)] == "normal";
        check(attacksOf(state, fighter) == (normal ? 1 : attacksOf(before, fighter)),
              "the attack flag is set by \"normal\" and kept otherwise");
        checkDefender(fighter, labelsBefore, state);

        checkWritten(labelsAfter, controls.damageShown, own.damageRoll);
        checkWritten(labelsAfter, controls.attackRoll, own.attackRoll);
        checkWritten(labelsAfter, controls.attackTotal, own.attackTotal);
        checkWritten(labelsAfter, controls.defenceRoll, own.defenceRoll);
        checkWritten(labelsAfter, controls.defenceTotal, own.defenceTotal);
        checkWritten(labelsAfter, controls.lifePoints, own.lifePoints);
        checkWritten(labelsAfter, controls.endurancePoints, own.endurancePoints);
        for (const PanelLabel unwritten : {controls.damageCode, controls.attackType,
                                           controls.attackSkill, controls.defenceSkill}) {
            check(labelsAfter[indexOf(unwritten)] == labelsBefore[indexOf(unwritten)],
                  "the round does not write the labels it only reads");
        }
        if (own.lifePoints <= 3) {
            expectedEvents.emplace_back("disableRoundButton");
            expectedEvents.push_back(std::string("messageBox Kampfende: K\xC3\xA4mpfer ") +
                                     (fighter == Fighter::First ? "1" : "2") + " hat verloren");
        }
    }
    check(labelsAfter[indexOf(PanelLabel::Label64)] ==
              "Es ist die " + std::to_string(state.roundNumber) + " Runde des Kampfes",
          "the round line names the round");
    check(
        std::vector<std::string>(window.events.begin() + static_cast<std::ptrdiff_t>(eventsBefore),
                                 window.events.end()) == expectedEvents,
        "a fighter at 3 life points or fewer loses, fighter 1 first");
}

void playRound(CombatState& state, engine::DiceGenerator& dice, FakeRoundWindow& window) {
    const CombatState before = state;
    const Labels labelsBefore = allLabels(window);
    const std::size_t eventsBefore = window.events.size();
    const int writesBefore = window.labelWrites;
    const LoadedValue* failing = nullptr;
    for (const LoadedValue& value : loadOrder) {
        if (!toolkit::tryParseInteger(labelsBefore[indexOf(value.label)])) {
            failing = &value;
            break;
        }
    }

    bool failed = false;
    bool namesFailingText = false;
    try {
        engine::generateRound(state, dice, window);
    } catch (const toolkit::ConversionError& error) {
        failed = true;
        namesFailingText =
            failing != nullptr &&
            fuzz::isConversionMessageFor(error.what(), labelsBefore[indexOf(failing->label)]);
    }

    check(state.roundNumber == wrap(std::int64_t{before.roundNumber} + 1),
          "every round is counted, a failed one too");
    for (const Fighter fighter : engine::bothFighters) {
        checkDamageRoll(fighter, before, state, window);
    }
    if (failing == nullptr) {
        check(!failed, "a round on whole numbers runs to its end");
        checkCompletedRound(before, labelsBefore, state, window, eventsBefore);
        return;
    }
    check(failed, "a value label without a whole number stops the round");
    check(namesFailingText, "the failure names the text of the first failing label");
    check(allLabels(window) == labelsBefore && window.labelWrites == writesBefore,
          "a failed round changes no label");
    check(window.events.size() == eventsBefore, "a failed round ends no fight");
    check(state.fighter1Attacks == before.fighter1Attacks &&
              state.fighter2Attacks == before.fighter2Attacks,
          "a failed round sets no attack flag");
    for (const LoadedValue* value = loadOrder.data(); value != failing; ++value) {
        check(state.fighter(value->fighter).*value->field == valueIn(labelsBefore, value->label),
              "the values before the failing label are stored");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader input(data, size);
    const std::uint8_t controls = input.byte();
    const int rounds = 1 + ((controls >> 2) & 3);
    engine::DiceGenerator dice;
    for (int skipped = input.byte(); skipped > 0; --skipped) {
        dice.nextValue();
    }
    CombatState state;
    state.roundNumber = input.int32();
    state.fighter1.damageRoll = input.int32();
    state.fighter2.damageRoll = input.int32();
    state.fighter1.armour = input.int32();
    state.fighter2.armour = input.int32();
    state.fighter1Attacks = input.int32();
    state.fighter2Attacks = input.int32();

    FakeRoundWindow window;
    window.setChecked("CheckBox3", (controls & 1U) != 0);
    window.setChecked("CheckBox4", (controls & 2U) != 0);
    const std::vector<std::string_view> lines = input.lines();
    std::size_t next = 0;
    for (int round = 0; round < rounds; ++round) {
        for (const PanelLabel label : readLabels) {
            if (next < lines.size()) {
                window.label(engine::objectNameOf(label)) = lines[next++];
            }
        }
        playRound(state, dice, window);
    }
    return 0;
}
