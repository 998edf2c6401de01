#pragma once

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace bench {

// The usual console table, keeping for every benchmark the figure its target is judged
// on: the median where the benchmark repeats, its one result otherwise.
class FigureKeeper : public benchmark::ConsoleReporter {
public:
    struct Figure {
        double seconds = 0; // real time per iteration
        benchmark::UserCounters counters;
    };

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if ((single || median) && !run.error_occurred) {
                m_figures[run.run_name.function_name] = {
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit),
                    run.counters};
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    const Figure* find(const std::string& benchmark) const {
        const auto found = m_figures.find(benchmark);
        return found == m_figures.end() ? nullptr : &found->second;
    }

    double counter(const std::string& benchmark, const std::string& name) const {
        const Figure* figure = find(benchmark);
        if (figure == nullptr) {
            return 0;
        }
        const auto found = figure->counters.find(name);
        return found == figure->counters.end() ? 0 : found->second.value;
    }

private:
    std::map<std::string, Figure> m_figures;
};

// Prints one target line and tells whether it is met. A figure that was not measured
// (benchmark filtered out or failed) is reported as such and counts as met.
inline bool reportTarget(const char* what, bool measured, double value, double limit,
                         const char* unit) {
    if (!measured) {
        std::printf("target %-44s not measured\n", what);
        return true;
    }
    const bool met = value <= limit;
    std::printf("target %-44s %10.3f %-4s (limit %.3f %s)  %s\n", what, value, unit, limit, unit,
                met ? "met" : "MISSED");
    return met;
}

} // namespace bench
