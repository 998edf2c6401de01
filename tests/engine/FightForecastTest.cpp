#include "engine/FightForecast.h"

#include "FakeRoundWindow.h"
#include "engine/CombatState.h"
#include "engine/DiceGenerator.h"
#include "engine/DiceSource.h"
#include "engine/Round.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace {

using engine::CombatState;
using engine::FightForecast;
using engine::ForecastFigures;

// Fair dice of the test's own, independent of the program's fixed sequence (splitmix64,
// cheap enough to play many fights in a debug build).
class IndependentDice final : public engine::DiceSource {
public:
    explicit IndependentDice(std::uint64_t seed) : m_state(seed) {}
    std::int32_t randomBelow(std::int32_t n) override {
        m_state += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = m_state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        z ^= z >> 31;
        return n <= 0 ? 0 : static_cast<std::int32_t>(z % static_cast<std::uint64_t>(n));
    }

private:
    std::uint64_t m_state;
};

struct Situation {
    const char* name;
    std::function<void(FakeRoundWindow&, CombatState&)> arrange;
};

// Names the situation in the test's output.
void PrintTo(const Situation& situation, std::ostream* out) {
    *out << situation.name;
}

// What whole fights, each played round by round to its end, came to.
struct PlayedFights {
    std::int64_t fights = 0;
    std::int64_t fighter1Wins = 0;
    std::int64_t fighter2Wins = 0;
    std::int64_t bothFall = 0;
    double rounds = 0;
    double squaredRounds = 0;
};

PlayedFights playFights(const FakeRoundWindow& start, const CombatState& startState, int fights,
                        std::uint64_t seed) {
    IndependentDice dice(seed);
    FakeRoundWindow window = start;
    // Only life and endurance points carry a round's results into the next one.
    std::vector<std::pair<std::string*, const std::string*>> carried;
    for (const char* name : {"Label22", "Label23", "Label25", "Label26"}) {
        carried.emplace_back(&window.label(name), &start.label(name));
    }
    PlayedFights played;
    for (int fight = 0; fight < fights; ++fight) {
        CombatState state = startState;
        for (const auto& [value, startValue] : carried) {
            *value = *startValue;
        }
        double rounds = 0;
        engine::RoundReport report;
        do {
            report = engine::resolveRound(state, dice, window);
            ++rounds;
        } while (!report.hasLost[0] && !report.hasLost[1] && rounds < 100000);
        if (!report.hasLost[0] && !report.hasLost[1]) {
            ADD_FAILURE() << "a fight that does not end";
            break;
        }
        ++played.fights;
        played.fighter1Wins += !report.hasLost[0] && report.hasLost[1];
        played.fighter2Wins += report.hasLost[0] && !report.hasLost[1];
        played.bothFall += report.hasLost[0] && report.hasLost[1];
        played.rounds += rounds;
        played.squaredRounds += rounds * rounds;
    }
    return played;
}

// A share of fights within three standard errors of the exact chance (exactly equal when
// the chance is 0 or 1).
void expectShare(std::int64_t count, const PlayedFights& played, double chance, const char* what) {
    const auto fights = static_cast<double>(played.fights);
    const double standardError = std::sqrt(std::max(0.0, chance * (1 - chance)) / fights);
    EXPECT_NEAR(static_cast<double>(count) / fights, chance, 3 * standardError + 1e-12) << what;
}

// Fights of a few rounds keep 100,000 of them quick: high attack and low defence skills,
// few life points.
void enterShortFight(FakeRoundWindow& window) {
    enterStandardValues(window);
    for (const char* attackSkill : {"Label47", "Label48"}) {
        window.label(attackSkill) = "15";
    }
    for (const char* defenceSkill : {"Label58", "Label59"}) {
        window.label(defenceSkill) = "5";
    }
    for (const char* lifePoints : {"Label22", "Label23"}) {
        window.label(lifePoints) = "7";
    }
}

class ForecastAgainstPlayedFights : public ::testing::TestWithParam<Situation> {};

TEST_P(ForecastAgainstPlayedFights, agreesWithinThreeStandardErrors) {
    FakeRoundWindow window;
    CombatState state;
    enterShortFight(window);
    GetParam().arrange(window, state);

    const FightForecast forecast = engine::forecastFight(state, window);
    ASSERT_TRUE(std::holds_alternative<ForecastFigures>(forecast));
    const auto& exact = std::get<ForecastFigures>(forecast);
    EXPECT_NEAR(exact.fighter1Wins + exact.fighter2Wins + exact.bothFall, 1.0, 1e-12);

    constexpr int fights = 100000;
    const PlayedFights played = playFights(window, state, fights, 0x7EA5ULL);
    ASSERT_EQ(played.fights, fights);
    expectShare(played.fighter1Wins, played, exact.fighter1Wins, "fighter 1 wins");
    expectShare(played.fighter2Wins, played, exact.fighter2Wins, "fighter 2 wins");
    expectShare(played.bothFall, played, exact.bothFall, "both fall");
    const double meanRounds = played.rounds / fights;
    const double variance = played.squaredRounds / fights - meanRounds * meanRounds;
    EXPECT_NEAR(meanRounds, exact.expectedRounds, 3 * std::sqrt(variance / fights) + 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Situations, ForecastAgainstPlayedFights,
    ::testing::Values(Situation{"equalFighters", [](FakeRoundWindow&, CombatState&) {}},
                      Situation{"unequalSkills",
                                [](FakeRoundWindow& window, CombatState&) {
                                    window.label("Label47") = "17";
                                    window.label("Label58") = "3";
                                    window.label("Label48") = "12";
                                    window.label("Label59") = "9";
                                    window.label("Label22") = "6";
                                    window.label("Label23") = "9";
                                    window.label("Label11") = "2W6-2";
                                    window.label("Label41") = "1W6+1";
                                }},
                      Situation{"armourAboveTheOpponentsBestDamage",
                                [](FakeRoundWindow& window, CombatState& state) {
                                    state.fighter2.armour = 7;
                                    window.label("Label41") = "2W6";
                                }},
                      Situation{"torchAgainstAFireSensitiveOpponent",
                                [](FakeRoundWindow& window, CombatState&) {
                                    window.label("Label11") = "1W6-2/2W6";
                                    window.setChecked("CheckBox4", true);
                                }},
                      // Fighter 1's own box does not change its torch.
                      Situation{"torchAgainstANormalOpponent",
                                [](FakeRoundWindow& window, CombatState&) {
                                    window.label("Label11") = "1W6-2/2W6";
                                    window.setChecked("CheckBox3", true);
                                }},
                      Situation{"fighterWithoutAWeapon",
                                [](FakeRoundWindow& window, CombatState& state) {
                                    window.label("Label41") = "0";
                                    window.label("Label10").clear();
                                    state.fighter2.damageRoll = 6;
                                    window.label("Label11") = "2W6+1";
                                    window.label("Label23") = "9";
                                }},
                      Situation{"negativeDamageCodes",
                                [](FakeRoundWindow& window, CombatState& state) {
                                    window.label("Label11") = "2x(2W6-3)";
                                    window.label("Label41") = "1W6-4 (Raufen)";
                                    state.fighter1.armour = 1;
                                    window.label("Label22") = "5";
                                    window.label("Label23") = "9";
                                }},
                      // An unrecognised code keeps the roll of the round before, and a flag from an
                      // earlier fight keeps the attacks going while the attack type is empty.
                      Situation{"keptDamageRollAndEarlierFlag",
                                [](FakeRoundWindow& window, CombatState& state) {
                                    window.label("Label11") = "1W6 ";
                                    window.label("Label1").clear();
                                    state.fighter1Attacks = 1;
                                    state.fighter1.damageRoll = 3;
                                    state.fighter2.armour = 1;
                                    window.label("Label22") = "$9";
                                }}),
    [](const ::testing::TestParamInfo<Situation>& info) { return std::string(info.param.name); });

// The value the forecast cannot read is the one at which the round itself would fail.
TEST(FightForecast, namesTheValueTheRoundWouldReject) {
    const std::vector<std::vector<std::pair<const char*, const char*>>> brokenPanels{
        {{"Label22", ""}},
        {{"Label26", "15 "}},
        {{"Label48", "zehn"}},
        {{"Label23", "99999999999"}, {"Label58", "1,5"}},
    };
    for (const auto& broken : brokenPanels) {
        FakeRoundWindow window;
        enterStandardValues(window);
        for (const auto& [label, text] : broken) {
            window.label(label) = text;
        }
        const auto forecast = engine::forecastFight(CombatState{}, window);
        ASSERT_TRUE(std::holds_alternative<engine::UnreadableValue>(forecast)) << broken[0].first;
        const auto& unreadable = std::get<engine::UnreadableValue>(forecast);

        CombatState state;
        engine::DiceGenerator dice;
        try {
            engine::resolveRound(state, dice, window);
            ADD_FAILURE() << "the round read " << broken[0].first;
        } catch (const engine::PanelConversionError& error) {
            EXPECT_EQ(unreadable.label, error.label);
            EXPECT_EQ(unreadable.message, error.message());
        }
    }
}

TEST(FightForecast, saysWhenNobodyCanFallOrTheFightIsTooLarge) {
    FakeRoundWindow window;
    enterStandardValues(window);
    CombatState state;
    state.fighter1.armour = 6;
    state.fighter2.armour = 6;
    EXPECT_TRUE(
        std::holds_alternative<engine::NobodyCanFall>(engine::forecastFight(state, window)));

    // A fighter already down still ends the fight with the next round.
    window.label("Label22") = "3";
    const auto lastRound = engine::forecastFight(state, window);
    ASSERT_TRUE(std::holds_alternative<ForecastFigures>(lastRound));
    EXPECT_DOUBLE_EQ(std::get<ForecastFigures>(lastRound).fighter2Wins, 1.0);
    EXPECT_DOUBLE_EQ(std::get<ForecastFigures>(lastRound).expectedRounds, 1.0);

    window = FakeRoundWindow{};
    enterStandardValues(window);
    window.label("Label23") = "2000000000";
    EXPECT_TRUE(std::holds_alternative<engine::TooLargeToCompute>(
        engine::forecastFight(CombatState{}, window)));
    window.label("Label23") = "15";
    EXPECT_TRUE(std::holds_alternative<engine::TooLargeToCompute>(
        engine::forecastFight(CombatState{}, window, 100)));
}

} // namespace
