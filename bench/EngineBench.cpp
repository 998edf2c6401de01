#include "engine/CombatState.h"
#include "engine/DiceGenerator.h"
#include "engine/Round.h"
#include "tests/engine/FakeRoundWindow.h"

#include <benchmark/benchmark.h>
#include <cstdint>

namespace {

// Both fighters with the standard values: 15 life and endurance points, both skills 10,
// a "1W6" weapon.
void enterStandardValues(FakeRoundWindow& window) {
    for (const char* name : {"Label22", "Label23", "Label25", "Label26"}) {
        window.label(name) = "15";
    }
    for (const char* name : {"Label47", "Label48", "Label58", "Label59"}) {
        window.label(name) = "10";
    }
    window.label("Label11") = "1W6";
    window.label("Label41") = "1W6";
    window.label("Label1") = "normal";
    window.label("Label10") = "normal";
}

// One press of the round button. Life and endurance points are filled up again after
// every round, so the fight never ends and every round is an ordinary one.
void engineRound(benchmark::State& bench) {
    engine::CombatState state;
    engine::DiceGenerator dice;
    FakeRoundWindow window;
    enterStandardValues(window);
    std::string& life1 = window.label("Label22");
    std::string& life2 = window.label("Label23");
    std::string& endurance1 = window.label("Label25");
    std::string& endurance2 = window.label("Label26");

    for (auto _ : bench) {
        benchmark::DoNotOptimize(engine::generateRound(state, dice, window));
        life1 = "15";
        life2 = "15";
        endurance1 = "15";
        endurance2 = "15";
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(engineRound);

// A thousand rounds of fights played to their end: when a fighter has lost, a new fight
// starts with the standard values, as after "Neu: Kampf 1 gegen 1".
void thousandRoundsOfFights(benchmark::State& bench) {
    constexpr int roundsPerIteration = 1000;
    engine::CombatState state;
    engine::DiceGenerator dice;
    FakeRoundWindow window;
    enterStandardValues(window);
    std::int64_t fights = 1;

    for (auto _ : bench) {
        for (int round = 0; round < roundsPerIteration; ++round) {
            engine::generateRound(state, dice, window);
            if (!window.roundButtonEnabled) {
                engine::resetCombatState(state);
                window = FakeRoundWindow{};
                enterStandardValues(window);
                ++fights;
            }
        }
        benchmark::DoNotOptimize(state);
    }
    bench.SetItemsProcessed(bench.iterations() * roundsPerIteration);
    bench.counters["rounds/fight"] = benchmark::Counter(
        static_cast<double>(bench.iterations() * roundsPerIteration) / static_cast<double>(fights));
}
BENCHMARK(thousandRoundsOfFights);

} // namespace
