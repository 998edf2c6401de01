#include "engine/CombatState.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>

namespace {

using engine::CombatState;
using engine::FighterState;

constexpr std::array<std::int32_t FighterState::*, 13> allFields{
    &FighterState::lifePoints,   &FighterState::endurancePoints, &FighterState::attackSkill,
    &FighterState::defenceSkill, &FighterState::attackTotal,     &FighterState::defenceTotal,
    &FighterState::strength,     &FighterState::dexterity,       &FighterState::agility,
    &FighterState::armour,       &FighterState::damageRoll,      &FighterState::attackRoll,
    &FighterState::defenceRoll,
};

CombatState filledState(std::int32_t flag1, std::int32_t flag2) {
    CombatState state;
    std::int32_t next = 1;
    for (const auto field : allFields) {
        state.fighter1.*field = next++;
        state.fighter2.*field = -next++;
    }
    state.roundNumber = 42;
    state.netDamageToFighter1 = -3;
    state.netDamageToFighter2 = 9;
    state.fighter1Attacks = flag1;
    state.fighter2Attacks = flag2;
    return state;
}

TEST(CombatState, StartsAllZero) {
    const CombatState state;
    for (const auto field : allFields) {
        EXPECT_EQ(state.fighter1.*field, 0);
        EXPECT_EQ(state.fighter2.*field, 0);
    }
    EXPECT_EQ(state.roundNumber, 0);
    EXPECT_EQ(state.netDamageToFighter1, 0);
    EXPECT_EQ(state.netDamageToFighter2, 0);
    EXPECT_EQ(state.fighter1Attacks, 0);
    EXPECT_EQ(state.fighter2Attacks, 0);
}

TEST(CombatState, ResetZeroesTheFightButKeepsTheAttackFlags) {
    for (const auto& [flag1, flag2] : {std::array{1, 0}, std::array{0, 1}, std::array{1, 1}}) {
        CombatState state = filledState(flag1, flag2);
        engine::resetCombatState(state);
        for (std::size_t i = 0; i < allFields.size(); ++i) {
            EXPECT_EQ(state.fighter1.*allFields[i], 0) << "fighter 1 field " << i;
            EXPECT_EQ(state.fighter2.*allFields[i], 0) << "fighter 2 field " << i;
        }
        EXPECT_EQ(state.roundNumber, 0);
        EXPECT_EQ(state.netDamageToFighter1, 0);
        EXPECT_EQ(state.netDamageToFighter2, 0);
        EXPECT_EQ(state.fighter1Attacks, flag1);
        EXPECT_EQ(state.fighter2Attacks, flag2);
    }
}

} // namespace
