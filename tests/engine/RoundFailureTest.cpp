#include "DiceTestSupport.h"
#include "RoundFixture.h"
#include "toolkit/core/IntegerText.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string>

namespace {

using engine::Fighter;
using engine::FighterState;

constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();

using RoundFailure = RoundFixture;
using RoundExtremes = RoundFixture;

// The panel values in the order the round converts them.
struct PanelValue {
    const char* label;
    Fighter fighter;
    std::int32_t FighterState::*field;
};
constexpr std::array<PanelValue, 8> loadOrder{{
    {"Label47", Fighter::First, &FighterState::attackSkill},
    {"Label48", Fighter::Second, &FighterState::attackSkill},
    {"Label58", Fighter::First, &FighterState::defenceSkill},
    {"Label59", Fighter::Second, &FighterState::defenceSkill},
    {"Label22", Fighter::First, &FighterState::lifePoints},
    {"Label23", Fighter::Second, &FighterState::lifePoints},
    {"Label25", Fighter::First, &FighterState::endurancePoints},
    {"Label26", Fighter::Second, &FighterState::endurancePoints},
}};

template <typename Round> std::string conversionMessageOf(Round&& round) {
    try {
        round();
    } catch (const toolkit::ConversionError& error) {
        return error.what();
    }
    return "(no error)";
}

// The label the failure names, so that the log can tell which fighter's value it was.
template <typename Round> std::string failingLabelOf(Round&& round) {
    try {
        round();
    } catch (const engine::PanelConversionError& error) {
        return std::string(engine::objectNameOf(error.label));
    }
    return "(no error)";
}

TEST_F(RoundFailure, EmptyLifePointsStopTheRoundWithoutChangingTheWindow) {
    enterStandardValues();
    play(); // fighter 1 now has 14 life points, damage rolls 2 and 1
    window.label("Label22") = "";
    const auto labelsBefore = resultLabels();
    const int writesBefore = window.labelWrites;
    const engine::DiceGenerator diceBefore = dice;
    const FighterState fighter1Before = state.fighter1;
    const FighterState fighter2Before = state.fighter2;

    EXPECT_EQ(conversionMessageOf([&] { play(); }), "'' ist kein g\xC3\xBCltiger Integerwert");

    EXPECT_EQ(state.roundNumber, 2);
    // Round two's damage is rolled and kept (3 and 1), the skills before the failing
    // label are read, nothing after it, and no attack or defence die is drawn.
    EXPECT_EQ(state.fighter1.damageRoll, 3);
    EXPECT_EQ(state.fighter2.damageRoll, 1);
    EXPECT_EQ(drawsBetween(diceBefore, dice), 2);
    EXPECT_EQ(state.fighter1.lifePoints, fighter1Before.lifePoints);
    EXPECT_EQ(state.fighter1.attackRoll, fighter1Before.attackRoll);
    EXPECT_EQ(state.fighter1.attackTotal, fighter1Before.attackTotal);
    EXPECT_EQ(state.fighter2.endurancePoints, fighter2Before.endurancePoints);
    EXPECT_EQ(window.labelWrites, writesBefore);
    EXPECT_EQ(resultLabels(), labelsBefore);
    EXPECT_TRUE(window.events.empty());

    // The next good round counts the failed one.
    window.label("Label22") = "14";
    play();
    EXPECT_EQ(window.label("Label64"), "Es ist die 3 Runde des Kampfes");
}

TEST_F(RoundFailure, ValuesBeforeTheFailingLabelAreStoredAndNoneAfter) {
    constexpr std::int32_t earlier = -7;
    for (std::size_t failing = 0; failing < loadOrder.size(); ++failing) {
        state = {};
        dice = {};
        window = {};
        for (const PanelValue& value : loadOrder) {
            window.label(value.label) = "11";
            state.fighter(value.fighter).*value.field = earlier;
        }
        window.label(loadOrder[failing].label) = "11 ";

        EXPECT_EQ(conversionMessageOf([&] { play(); }),
                  "'11 ' ist kein g\xC3\xBCltiger Integerwert")
            << loadOrder[failing].label;
        for (std::size_t i = 0; i < loadOrder.size(); ++i) {
            const PanelValue& value = loadOrder[i];
            EXPECT_EQ(state.fighter(value.fighter).*value.field, i < failing ? 11 : earlier)
                << value.label << " with " << loadOrder[failing].label << " failing";
        }
        EXPECT_EQ(window.labelWrites, 0);
        EXPECT_EQ(state.roundNumber, 1);
        EXPECT_EQ(failingLabelOf([&] { play(); }), loadOrder[failing].label);
    }
}

TEST_F(RoundFailure, HexadecimalAndBlanksInThePanelAreNumbers) {
    enterStandardValues();
    window.label("Label22") = "  $F";
    window.label("Label48") = "0xA";
    window.label("Label26") = "+15";
    play();
    EXPECT_EQ(resultLabels().at("Label22"), "14");
    EXPECT_EQ(resultLabels().at("Label52"), "23");
    EXPECT_EQ(resultLabels().at("Label26"), "15");
}

TEST_F(RoundExtremes, HugeSkillTotalsWrapAroundAndMiss) {
    window.label("Label1") = "normal";
    window.label("Label10") = "normal";
    for (const char* name : {"Label47", "Label48", "Label58", "Label59"}) {
        window.label(name) = "2147483647";
    }
    window.label("Label22") = window.label("Label23") = "10";
    window.label("Label25") = window.label("Label26") = "10";
    state.fighter1.damageRoll = 6;
    state.fighter2.damageRoll = 6;
    const engine::RoundReport report = play();

    // Fighter 1's dice show 10 and 5; added to the largest value they wrap round to
    // the lowest plus 9 and plus 4.
    EXPECT_EQ(state.fighter1.attackTotal, int32Min + 9);
    EXPECT_EQ(state.fighter1.defenceTotal, int32Min + 4);
    EXPECT_EQ(window.label("Label51"), "-2147483639");
    EXPECT_EQ(report.attackBy[0].outcome, engine::AttackOutcome::Missed);
    EXPECT_EQ(report.attackBy[1].outcome, engine::AttackOutcome::Missed);
    EXPECT_EQ(window.label("Label23"), "10");
}

TEST_F(RoundExtremes, LowestSkillsLifeAndEnduranceStayDefined) {
    window.label("Label1") = "normal";
    window.label("Label10") = "normal";
    for (const PanelValue& value : loadOrder) {
        window.label(value.label) = "-2147483648";
    }
    state.fighter1.damageRoll = 5;
    state.fighter2.damageRoll = 5;
    const engine::RoundReport report = play();

    // Totals are far below 20: nobody hits, and nothing under the lowest value is reached.
    EXPECT_EQ(state.fighter1.attackTotal, int32Min + state.fighter1.attackRoll);
    EXPECT_EQ(report.attackBy[0].outcome, engine::AttackOutcome::Missed);
    EXPECT_EQ(window.label("Label22"), "-2147483648");
    EXPECT_EQ(window.events.size(), 4U);
}

TEST_F(RoundExtremes, LossesBelowTheLowestValueWrapAround) {
    window.label("Label1") = "normal";
    window.label("Label22") = window.label("Label25") = "0";
    window.label("Label23") = window.label("Label26") = "-2147483648";
    arrangeRound({30, 0, 0, 0}, 5, 0);
    play();
    EXPECT_EQ(window.label("Label23"), "2147483643");
    EXPECT_EQ(window.label("Label26"), "2147483643");
}

TEST_F(RoundExtremes, ExtremeArmourGivesWrappedNetDamage) {
    window.label("Label1") = "normal";
    window.label("Label10") = "normal";
    window.label("Label22") = window.label("Label23") = "50";
    window.label("Label25") = window.label("Label26") = "50";
    // Both differences leave the range: 6 - (-2^31) and -2 - (2^31 - 1).
    state.fighter1.armour = int32Min;
    state.fighter2.armour = int32Max;
    arrangeRound({30, 0, 30, 0}, -2, 6);
    play();
    EXPECT_EQ(state.netDamageToFighter1, int32Min + 6);
    EXPECT_EQ(window.label("Label22"), "50");
    EXPECT_EQ(window.label("Label25"), "44");
}

TEST_F(RoundExtremes, RoundNumberWrapsAfterTheLargestValue) {
    state.roundNumber = int32Max;
    window.label("Label22") = window.label("Label23") = "10";
    play();
    EXPECT_EQ(window.label("Label64"), "Es ist die -2147483648 Runde des Kampfes");
}

} // namespace
