#include "engine/RoundHistory.h"

#include "RoundFixture.h"

#include <array>
#include <string>
#include <vector>

namespace {

// Everything a round may change, at one moment of the fight.
struct FightPoint {
    engine::CombatState state;
    std::uint64_t dice;
    std::array<std::string, engine::panelLabelCount> labels;
    friend bool operator==(const FightPoint&, const FightPoint&) = default;
};

class RoundHistoryTest : public RoundFixture {
protected:
    FightPoint now() const {
        FightPoint point{state, dice.state(), {}};
        for (int i = 0; i < engine::panelLabelCount; ++i) {
            point.labels[static_cast<std::size_t>(i)] =
                window.labelText(static_cast<engine::PanelLabel>(i));
        }
        return point;
    }
    void playRecorded() {
        history.startRound(state, dice, window);
        try {
            engine::resolveRound(state, dice, window);
        } catch (const engine::PanelConversionError&) {
            history.finishRound(state, window);
            throw;
        }
        history.finishRound(state, window);
    }
    std::int32_t takeBack() { return history.takeBack(state, dice, window).roundNumber; }

    engine::RoundHistory<> history;
};

TEST_F(RoundHistoryTest, EachRoundTakenBackReturnsTheFightToWhereItStood) {
    enterStandardValues();
    std::vector<FightPoint> points{now()};
    for (int round = 0; round < 4; ++round) {
        playRecorded();
        points.push_back(now());
    }
    ASSERT_NE(points[3], points[4]);
    for (std::int32_t round = 4; round >= 1; --round) {
        EXPECT_EQ(takeBack(), round);
        EXPECT_EQ(now(), points[static_cast<std::size_t>(round - 1)]) << "before round " << round;
    }
    EXPECT_TRUE(history.empty());

    // The same dice from the same point give the same round again.
    playRecorded();
    EXPECT_EQ(now(), points[1]);
}

TEST_F(RoundHistoryTest, WhatTheUserChangedSinceTheRoundStays) {
    enterStandardValues();
    playRecorded();
    const FightPoint before = now();
    playRecorded();
    state.fighter1.armour = 3;
    window.label("Label22") = "12";    // life points, also written by the round
    window.label("Label11") = "2W6+1"; // not written by the round

    takeBack();
    engine::CombatState expected = before.state;
    expected.fighter1.armour = 3;
    EXPECT_EQ(state, expected);
    EXPECT_EQ(window.label("Label22"), "12");
    EXPECT_EQ(window.label("Label11"), "2W6+1");
    EXPECT_EQ(window.label("Label23"),
              before.labels[static_cast<std::size_t>(engine::PanelLabel::Label23)]);
    EXPECT_EQ(window.label("Label64"), "Es ist die 1 Runde des Kampfes");
    EXPECT_EQ(dice.state(), before.dice);
}

TEST_F(RoundHistoryTest, FailedRoundIsTakenBackWithTheDiceItDrew) {
    enterStandardValues();
    playRecorded();
    window.label("Label23") = "zwölf";
    const FightPoint before = now();
    EXPECT_THROW(playRecorded(), engine::PanelConversionError);
    ASSERT_NE(dice.state(), before.dice);
    ASSERT_NE(state.roundNumber, before.state.roundNumber);

    EXPECT_EQ(takeBack(), 2);
    EXPECT_EQ(now(), before);
}

TEST_F(RoundHistoryTest, ALongFightKeepsItsLatestRounds) {
    enterStandardValues();
    constexpr std::size_t kept = engine::roundsKeptForTakeBack;
    constexpr int beyond = 5;
    FightPoint oldestReachable;
    for (int round = 0; round < int{kept} + beyond; ++round) {
        if (round == beyond) {
            oldestReachable = now();
        }
        playRecorded();
    }
    EXPECT_EQ(history.size(), kept);
    EXPECT_TRUE(history.forgotEarlierRounds());
    for (std::size_t round = 0; round < kept; ++round) {
        takeBack();
    }
    EXPECT_TRUE(history.empty());
    EXPECT_EQ(now(), oldestReachable);
    history.clear();
    EXPECT_FALSE(history.forgotEarlierRounds());
}

} // namespace
