#include "engine/DiceGenerator.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace {

using engine::DiceGenerator;

TEST(Dice, FirstValuesAfterStartAreFixed) {
    DiceGenerator dice;
    const std::vector<std::int32_t> expected{0x540DB565, 0x2816D39C, 0x722EC9FA,
                                             0x22619AB8, 0x09F56B38, 0x0A5FD7A3};
    std::vector<std::int32_t> values;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        values.push_back(dice.nextValue());
    }
    EXPECT_EQ(values, expected);
}

TEST(Dice, SixSidedSequenceFromStart) {
    DiceGenerator dice;
    std::vector<std::int32_t> rolls;
    for (int i = 0; i < 6; ++i) {
        rolls.push_back(dice.rollW6());
    }
    EXPECT_EQ(rolls, (std::vector<std::int32_t>{2, 1, 3, 5, 1, 4}));
}

TEST(Dice, TwentySidedSequenceFromStart) {
    DiceGenerator dice;
    std::vector<std::int32_t> rolls;
    for (int i = 0; i < 6; ++i) {
        rolls.push_back(dice.rollW20());
    }
    EXPECT_EQ(rolls, (std::vector<std::int32_t>{10, 5, 7, 5, 13, 4}));
}

TEST(Dice, RandomBelowZeroDrawsNothing) {
    DiceGenerator dice;
    dice.nextValue();
    const std::uint64_t before = dice.state();
    EXPECT_EQ(dice.randomBelow(0), 0);
    EXPECT_EQ(dice.state(), before);
    // The sequence goes on exactly where it was: the second value from start.
    EXPECT_EQ(dice.nextValue(), 0x2816D39C);
}

TEST(Dice, EveryRollIsOneDrawAndStaysOnTheDie) {
    DiceGenerator dice;
    DiceGenerator twin;
    std::vector<int> w6Seen(7, 0);
    std::vector<int> w20Seen(21, 0);
    for (int i = 0; i < 2000; ++i) {
        const std::int32_t w6 = dice.rollW6();
        twin.nextValue();
        ASSERT_EQ(dice.state(), twin.state()) << "W6 number " << i;
        ASSERT_GE(w6, 1);
        ASSERT_LE(w6, 6);
        ++w6Seen[static_cast<std::size_t>(w6)];
        const std::int32_t w20 = dice.rollW20();
        twin.nextValue();
        ASSERT_EQ(dice.state(), twin.state()) << "W20 number " << i;
        ASSERT_GE(w20, 1);
        ASSERT_LE(w20, 20);
        ++w20Seen[static_cast<std::size_t>(w20)];
    }
    for (std::size_t face = 1; face <= 6; ++face) {
        EXPECT_GT(w6Seen[face], 0) << "W6 never showed " << face;
    }
    for (std::size_t face = 1; face <= 20; ++face) {
        EXPECT_GT(w20Seen[face], 0) << "W20 never showed " << face;
    }
}

} // namespace
