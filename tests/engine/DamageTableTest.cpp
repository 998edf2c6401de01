#include "engine/DamageTable.h"

#include "DiceTestSupport.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string_view>

namespace {

using engine::DiceGenerator;
using engine::rollDamage;

struct ExpectedRoll {
    std::string_view code;
    int draws;
    std::int32_t lowest;
    std::int32_t highest;
    // The dice from the start show 2, 1, 3, 5: one die 2, two 3, three 6, four 11.
    std::int32_t fromStart;
};

// What each code rolls against an opponent who is not fire-sensitive.
constexpr std::array<ExpectedRoll, 22> expectedRolls{{
    {"1W6-4 (Raufen)", 1, -3, 2, -2},
    {"1W6-2/2W6", 1, -1, 4, 0},
    {"1W6-4", 1, -3, 2, -2},
    {"1W6-3", 1, -2, 3, -1},
    {"1W6-2", 1, -1, 4, 0},
    {"1W6-1", 1, 0, 5, 1},
    {"1W6", 1, 1, 6, 2},
    {"1W6+1", 1, 2, 7, 3},
    {"1W6+2", 1, 3, 8, 4},
    {"1W6+3", 1, 4, 9, 5},
    {"2W6-4", 2, -2, 8, -1},
    {"2W6-2", 2, 0, 10, 1},
    {"2W6-1", 2, 1, 11, 2},
    {"2W6", 2, 2, 12, 3},
    {"2W6+1", 2, 3, 13, 4},
    {"2W6+2", 2, 4, 14, 5},
    {"2W6+3", 2, 5, 15, 6},
    {"3W6", 3, 3, 18, 6},
    {"3W6+3", 3, 6, 21, 9},
    {"4W6-3", 4, 1, 21, 8},
    {"4W6", 4, 4, 24, 11},
    {"2x(2W6-3)", 4, -2, 18, 5},
}};

// Rolls the code from the given position and checks how many dice it drew.
std::optional<std::int32_t> rollFrom(DiceGenerator dice, std::string_view code,
                                     bool opponentFireSensitive, int expectedDraws) {
    const DiceGenerator before = dice;
    const auto value = rollDamage(code, opponentFireSensitive, dice);
    EXPECT_EQ(drawsBetween(before, dice), expectedDraws) << code;
    return value;
}

TEST(DamageTable, KnowsExactlyTheTwentyTwoCodes) {
    EXPECT_EQ(engine::damageTable.size(), expectedRolls.size());
    for (const ExpectedRoll& expected : expectedRolls) {
        EXPECT_TRUE(engine::isRecognisedDamageCode(expected.code)) << expected.code;
    }
    for (const engine::DamageRow& row : engine::damageTable) {
        EXPECT_TRUE(std::any_of(expectedRolls.begin(), expectedRolls.end(),
                                [&](const ExpectedRoll& e) { return e.code == row.code; }))
            << row.code;
    }
}

TEST(DamageTable, EachCodeReachesItsLowestAndHighestRoll) {
    for (const ExpectedRoll& expected : expectedRolls) {
        for (const bool fire : {false, true}) {
            if (fire && expected.code == "1W6-2/2W6") {
                continue;
            }
            EXPECT_EQ(
                rollFrom(beforeSixSidedRun(1, expected.draws), expected.code, fire, expected.draws),
                expected.lowest)
                << expected.code;
            EXPECT_EQ(
                rollFrom(beforeSixSidedRun(6, expected.draws), expected.code, fire, expected.draws),
                expected.highest)
                << expected.code;
        }
    }
}

TEST(DamageTable, FromTheStartEachCodeAddsItsDiceAndModifier) {
    for (const ExpectedRoll& expected : expectedRolls) {
        EXPECT_EQ(rollFrom(DiceGenerator{}, expected.code, false, expected.draws),
                  expected.fromStart)
            << expected.code;
    }
}

TEST(DamageTable, BrawlingRollsLikeItsPlainCode) {
    DiceGenerator brawl;
    DiceGenerator plain;
    for (int sample = 0; sample < 20; ++sample) {
        EXPECT_EQ(rollDamage("1W6-4 (Raufen)", false, brawl), rollDamage("1W6-4", false, plain));
    }
}

TEST(DamageTable, TorchRollsTwoPlainDiceAgainstAFireSensitiveOpponent) {
    EXPECT_EQ(rollFrom(beforeSixSidedRun(1, 2), "1W6-2/2W6", true, 2), 2);
    EXPECT_EQ(rollFrom(beforeSixSidedRun(6, 2), "1W6-2/2W6", true, 2), 12);
    EXPECT_EQ(rollFrom(beforeSixSidedRun(1, 1), "1W6-2/2W6", false, 1), -1);
    EXPECT_EQ(rollFrom(beforeSixSidedRun(6, 1), "1W6-2/2W6", false, 1), 4);

    // From the start the dice show 2 then 1.
    DiceGenerator dice;
    EXPECT_EQ(rollDamage("1W6-2/2W6", true, dice), 3);
    DiceGenerator other;
    EXPECT_EQ(rollDamage("1W6-2/2W6", false, other), 0);
}

TEST(DamageTable, NearMissesAreNotRecognisedAndDrawNothing) {
    for (const std::string_view code : {"0",
                                        "",
                                        "1w6",
                                        " 1W6",
                                        "1W6 ",
                                        "1 W6",
                                        "W6",
                                        "1W6-4 (raufen)",
                                        "1W6-4(Raufen)",
                                        "1W6-4 (Raufen) ",
                                        "2X(2W6-3)",
                                        "2x(2w6-3)",
                                        "2x (2W6-3)",
                                        "1W6-2/2w6",
                                        "1W6-2 / 2W6",
                                        "1W6+0",
                                        "1W6-0",
                                        "5W6",
                                        "1W20",
                                        "normal"}) {
        DiceGenerator dice;
        EXPECT_EQ(rollDamage(code, false, dice), std::nullopt) << '"' << code << '"';
        EXPECT_EQ(rollDamage(code, true, dice), std::nullopt) << '"' << code << '"';
        EXPECT_EQ(dice.state(), DiceGenerator::initialState) << '"' << code << '"';
        EXPECT_FALSE(engine::isRecognisedDamageCode(code)) << '"' << code << '"';
    }
}

} // namespace
