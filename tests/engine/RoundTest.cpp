#include "DiceTestSupport.h"
#include "RoundFixture.h"

#include <string>
#include <vector>

namespace {

using engine::AttackOutcome;
using engine::DiceGenerator;

using RoundTest = RoundFixture;

const std::vector<std::string> bothLost{
    "disableRoundButton", "messageBox Kampfende: Kämpfer 1 hat verloren", "disableRoundButton",
    "messageBox Kampfende: Kämpfer 2 hat verloren"};

TEST_F(RoundTest, DrawsDamageOfFighterOneThenFighterTwoThenFourTwentySidedDice) {
    window.label("Label11") = "2W6";
    window.label("Label41") = "3W6";
    play();
    // The first five values as six-sided dice show 2, 1 and 3, 5, 1; the next four as
    // twenty-sided dice 4, 17, 15, 7.
    EXPECT_EQ(state.fighter1.damageRoll, 3);
    EXPECT_EQ(state.fighter2.damageRoll, 9);
    EXPECT_EQ(state.fighter1.attackRoll, 4);
    EXPECT_EQ(state.fighter1.defenceRoll, 17);
    EXPECT_EQ(state.fighter2.attackRoll, 15);
    EXPECT_EQ(state.fighter2.defenceRoll, 7);
    EXPECT_EQ(drawsBetween(DiceGenerator{}, dice), 5 + 4);
}

TEST_F(RoundTest, UnrecognisedCodeDrawsNothingAndKeepsThePreviousDamage) {
    enterStandardValues();
    play(); // rolls 2 for fighter 1, fighter 2 hits it
    window.label("Label11") = "1w6";

    play();
    // Fighter 2's die is the seventh value (3 as a six-sided die), fighter 1's attack die
    // the eighth (15 as a twenty-sided die).
    EXPECT_EQ(window.label("Label28"), "2");
    EXPECT_EQ(state.fighter1.damageRoll, 2);
    EXPECT_EQ(state.fighter2.damageRoll, 3);
    EXPECT_EQ(state.fighter1.attackRoll, 15);
    EXPECT_EQ(drawsBetween(DiceGenerator{}, dice), 6 + 5);
}

struct OutcomeCase {
    Totals totals;
    AttackOutcome byFighter1;
    AttackOutcome byFighter2;
};

TEST_F(RoundTest, AttackMustReachTwentyAndBeatTheDefence) {
    using enum AttackOutcome;
    for (const auto& [totals, byFighter1, byFighter2] : {
             OutcomeCase{{20, 0, 19, 19}, Hit, Missed},
             OutcomeCase{{20, 0, 0, 20}, Defended, Missed},
             OutcomeCase{{19, 0, 0, -50}, Missed, Missed},
             OutcomeCase{{0, 19, 20, 0}, Missed, Hit},
             OutcomeCase{{0, 20, 20, 0}, Missed, Defended},
             OutcomeCase{{21, 25, 26, 20}, Hit, Hit},
         }) {
        state = {};
        dice = {};
        window = {};
        window.label("Label1") = "normal";
        window.label("Label10") = "normal";
        window.label("Label22") = window.label("Label23") = "50";
        window.label("Label25") = window.label("Label26") = "50";
        state.fighter1.armour = 2;
        state.fighter2.armour = 2;
        arrangeRound(totals, 5, 5);

        const engine::RoundReport report = play();
        ASSERT_EQ(state.fighter1.attackTotal, totals.attack1);
        ASSERT_EQ(state.fighter2.defenceTotal, totals.defence2);
        EXPECT_EQ(report.attackBy[0].outcome, byFighter1);
        EXPECT_EQ(report.attackBy[1].outcome, byFighter2);
        // Damage 5 against armour 2: a hit costs 5 endurance and 3 life, a defended
        // attack 5 endurance only, a miss nothing.
        const auto endurance = [](AttackOutcome o) { return o == Missed ? "50" : "45"; };
        const auto life = [](AttackOutcome o) { return o == Hit ? "47" : "50"; };
        EXPECT_EQ(window.label("Label26"), endurance(byFighter1));
        EXPECT_EQ(window.label("Label23"), life(byFighter1));
        EXPECT_EQ(window.label("Label25"), endurance(byFighter2));
        EXPECT_EQ(window.label("Label22"), life(byFighter2));
    }
}

TEST_F(RoundTest, ArmourReducesOnlyTheLifePointsOfAHit) {
    window.label("Label1") = "normal";
    window.label("Label10") = "normal";
    window.label("Label22") = window.label("Label23") = "20";
    window.label("Label25") = window.label("Label26") = "20";
    state.fighter1.armour = 3;
    state.fighter2.armour = 3;
    // Fighter 1 hits for 2 against armour 3, fighter 2 hits for 7.
    arrangeRound({30, 0, 30, 0}, 2, 7);
    const engine::RoundReport report = play();
    EXPECT_EQ(report.attackBy[0].enduranceLost, 2);
    EXPECT_EQ(report.attackBy[0].lifeLost, 0);
    EXPECT_EQ(report.attackBy[1].enduranceLost, 7);
    EXPECT_EQ(report.attackBy[1].lifeLost, 4);
    EXPECT_EQ(state.netDamageToFighter2, -1);
    EXPECT_EQ(state.netDamageToFighter1, 4);
    EXPECT_EQ(window.label("Label26"), "18");
    EXPECT_EQ(window.label("Label23"), "20");
    EXPECT_EQ(window.label("Label25"), "13");
    EXPECT_EQ(window.label("Label22"), "16");
    EXPECT_EQ(window.label("Label28"), "2");
    EXPECT_EQ(window.label("Label29"), "7");
}

TEST_F(RoundTest, NegativeDamageCostsNothing) {
    window.label("Label1") = "normal";
    window.label("Label22") = window.label("Label23") = "20";
    window.label("Label25") = window.label("Label26") = "20";
    arrangeRound({30, 0, 0, 0}, -1, 0);
    play();
    EXPECT_EQ(window.label("Label28"), "-1");
    EXPECT_EQ(state.netDamageToFighter2, -1);
    EXPECT_EQ(window.label("Label26"), "20");
    EXPECT_EQ(window.label("Label23"), "20");
}

TEST_F(RoundTest, DefendedAttackCostsTheFullDamageInEnduranceDespiteArmour) {
    window.label("Label1") = "normal";
    window.label("Label22") = window.label("Label23") = "20";
    window.label("Label25") = window.label("Label26") = "20";
    state.fighter2.armour = 10;
    arrangeRound({25, 0, 0, 25}, 6, 0);
    play();
    EXPECT_EQ(window.label("Label26"), "14");
    EXPECT_EQ(window.label("Label23"), "20");
}

TEST_F(RoundTest, FighterWithoutWeaponRollsButChangesNothing) {
    for (const char* attackType : {"", "Normal", "normal ", " normal", "normaler", "0"}) {
        state = {};
        dice = {};
        window = {};
        window.label("Label1") = "normal";
        window.label("Label10") = attackType;
        window.label("Label22") = window.label("Label23") = "20";
        window.label("Label25") = window.label("Label26") = "20";
        arrangeRound({30, 0, 30, 0}, 4, 4);
        const engine::RoundReport report = play();
        EXPECT_EQ(state.fighter2Attacks, 0) << '"' << attackType << '"';
        EXPECT_FALSE(report.attackBy[1].takesEffect);
        EXPECT_EQ(window.label("Label29"), "4");
        EXPECT_EQ(window.label("Label52"), "30");
        EXPECT_EQ(window.label("Label22"), "20") << '"' << attackType << '"';
        EXPECT_EQ(window.label("Label25"), "20") << '"' << attackType << '"';
        // Its opponent's attack on it counts.
        EXPECT_EQ(window.label("Label23"), "16");
        EXPECT_EQ(window.label("Label26"), "16");
    }
}

TEST_F(RoundTest, AttackFlagOnceSetIsNeverCleared) {
    window.label("Label1") = "normal";
    window.label("Label22") = window.label("Label23") = "50";
    window.label("Label25") = window.label("Label26") = "50";
    arrangeRound({30, 0, 0, 0}, 4, 0);
    play();
    ASSERT_EQ(window.label("Label23"), "46");

    window.label("Label1") = "";
    arrangeRound({30, 0, 0, 0}, 4, 0);
    play();
    EXPECT_EQ(state.fighter1Attacks, 1);
    EXPECT_EQ(window.label("Label23"), "42");

    // A new fight does not take the weapon away either.
    engine::resetCombatState(state);
    window = {};
    window.label("Label22") = window.label("Label23") = "50";
    window.label("Label25") = window.label("Label26") = "50";
    arrangeRound({30, 0, 0, 0}, 4, 0);
    play();
    EXPECT_EQ(window.label("Label23"), "46");
    EXPECT_EQ(window.label("Label64"), "Es ist die 1 Runde des Kampfes");
}

TEST_F(RoundTest, SecondAttackHasFullEffectAfterTheFirstHasDecided) {
    window.label("Label1") = "normal";
    window.label("Label10") = "normal";
    window.label("Label22") = window.label("Label23") = "5";
    window.label("Label25") = window.label("Label26") = "5";
    arrangeRound({30, 0, 30, 0}, 4, 3);
    play();
    EXPECT_EQ(window.label("Label23"), "1");
    EXPECT_EQ(window.label("Label22"), "2");
    EXPECT_EQ(window.events, bothLost);
}

TEST_F(RoundTest, LifeDropsBelowZeroAndIsShownWithMinus) {
    window.label("Label1") = "normal";
    window.label("Label22") = window.label("Label23") = "2";
    window.label("Label25") = window.label("Label26") = "2";
    arrangeRound({30, 0, 0, 0}, 5, 0);
    play();
    EXPECT_EQ(window.label("Label23"), "-3");
    EXPECT_EQ(window.label("Label26"), "-3");
}

TEST_F(RoundTest, FightEndsAtThreeLifePointsOrFewer) {
    window.label("Label1") = "normal";
    window.label("Label10") = "normal";
    window.label("Label22") = "4";
    window.label("Label23") = "3";
    arrangeRound({0, 0, 0, 0}, 0, 0);
    const engine::RoundReport report = play();
    EXPECT_FALSE(report.hasLost[0]);
    EXPECT_TRUE(report.hasLost[1]);
    EXPECT_EQ(window.events,
              (std::vector<std::string>{"disableRoundButton",
                                        "messageBox Kampfende: Kämpfer 2 hat verloren"}));
    EXPECT_FALSE(window.roundButtonEnabled);

    window = {};
    window.label("Label22") = "3";
    window.label("Label23") = "4";
    play();
    EXPECT_EQ(window.events,
              (std::vector<std::string>{"disableRoundButton",
                                        "messageBox Kampfende: Kämpfer 1 hat verloren"}));

    window = {};
    window.label("Label22") = "4";
    window.label("Label23") = "4";
    play();
    EXPECT_TRUE(window.events.empty());
    EXPECT_TRUE(window.roundButtonEnabled);
}

} // namespace
