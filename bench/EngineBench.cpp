#include "FakeRoundWindow.h"
#include "Targets.h"
#include "engine/CombatState.h"
#include "engine/DiceGenerator.h"
#include "engine/FightForecast.h"
#include "engine/Round.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>
#include <variant>

namespace {

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

// The exact forecast of a fight between the standard fighters at the given life points,
// with the given damage code for both: "1W6", or "4W6", whose 21 different losses make
// the most work of any code.
void forecastFight(benchmark::State& bench, const char* lifePoints, const char* damageCode) {
    engine::CombatState state;
    FakeRoundWindow window;
    enterStandardValues(window);
    for (const char* name : {"Label22", "Label23"}) {
        window.label(name) = lifePoints;
    }
    window.label("Label11") = damageCode;
    window.label("Label41") = damageCode;
    if (!std::holds_alternative<engine::ForecastFigures>(engine::forecastFight(state, window))) {
        bench.SkipWithError("no figures");
        return;
    }
    for (auto _ : bench) {
        benchmark::DoNotOptimize(engine::forecastFight(state, window));
    }
}
BENCHMARK_CAPTURE(forecastFight, lifePoints15, "15", "1W6")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(forecastFight, lifePoints100, "100", "1W6")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(forecastFight, lifePoints500, "500", "1W6")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(forecastFight, lifePoints500MostLosses, "500", "4W6")
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    bench::FigureKeeper figures;
    benchmark::RunSpecifiedBenchmarks(&figures);
    benchmark::Shutdown();

    const auto* round = figures.find("engineRound");
    const auto* fights = figures.find("thousandRoundsOfFights");
    std::printf("\n");
    const bool met = bench::reportTarget("one engine round", round != nullptr,
                                         round != nullptr ? round->seconds * 1e6 : 0, 1.0, "us");
    if (fights != nullptr) {
        std::printf("a thousand rounds of fights: %.3f us, %.1f ns per round\n",
                    fights->seconds * 1e6, fights->seconds * 1e9 / 1000);
    }
    bool forecastsMet = true;
    for (const char* name :
         {"forecastFight/lifePoints500", "forecastFight/lifePoints500MostLosses"}) {
        const auto* forecast = figures.find(name);
        forecastsMet &= bench::reportTarget(
            (std::string("forecast ") + (name + 14)).c_str(), forecast != nullptr,
            forecast != nullptr ? forecast->seconds * 1e3 : 0, 5.0, "ms");
    }
    return met && forecastsMet ? 0 : 1;
}
