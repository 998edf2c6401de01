// Benchmarks through the real windows, headless: one round through the main window,
// creating all windows of the program, and start-up and resident memory in fresh
// processes, each next to a bare Qt main window as the baseline of the same run, and to a
// main window with a single label, the least a window showing any text costs.
#include "GuiTestSupport.h"
#include "ProbeProcess.h"
#include "ResidentMemory.h"
#include "Targets.h"
#include "engine/RoundWindow.h"
#include "toolkit/gui/MessageBox.h"
#include "toolkit/gui/SafeApplication.h"
#include "ui/ApplicationWindows.h"
#include "ui/FightController.h"
#include "ui/TForm1.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <array>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

using engine::PanelLabel;

constexpr double kibPerMib = 1024.0;

// Standard values for both fighters, a "1W6" weapon and attack type "normal" each, as if
// the user had pressed "Standartwerte für jeden Kämpfer" and picked a weapon.
void setLabelText(const ui::TForm1& window, PanelLabel label, const char* text) {
    window.panelLabel(label)->setText(QString::fromUtf8(text));
}

void prepareFight(ui::TForm1& window) {
    guitest::child<QPushButton>(&window, "Button2")->click();
    setLabelText(window, PanelLabel::Label11, "1W6");
    setLabelText(window, PanelLabel::Label41, "1W6");
    setLabelText(window, PanelLabel::Label1, "normal");
    setLabelText(window, PanelLabel::Label10, "normal");
}

// Life and endurance points back to 15 before a round could bring either fighter to 3, so the fight
// never ends and every round is an ordinary one.
void keepFightGoing(ui::ApplicationWindows& windows) {
    const engine::CombatState& state = windows.fightController().combatState();
    if (state.fighter1.lifePoints < 10 || state.fighter2.lifePoints < 10) {
        for (const PanelLabel label :
             {PanelLabel::Label22, PanelLabel::Label23, PanelLabel::Label25, PanelLabel::Label26}) {
            setLabelText(windows.form1(), label, "15");
        }
    }
}

// One press of "Eine Runde generieren" on the shown main window, the click handler alone.
void guiRound(benchmark::State& state) {
    int boxes = 0;
    toolkit::installBoxAnswerer([&boxes](const toolkit::ShownBox&) { ++boxes; });
    ui::ApplicationWindows windows;
    ui::TForm1& window = windows.form1();
    window.show();
    QCoreApplication::processEvents();
    prepareFight(window);
    auto* roundButton = guitest::child<QPushButton>(&window, "Button1");

    for (auto _ : state) {
        roundButton->click();
        keepFightGoing(windows);
    }
    toolkit::removeBoxAnswerer();
    if (boxes != 0 || !roundButton->isEnabled()) {
        state.SkipWithError("the fight ended or a box was shown");
    }
}

BENCHMARK(guiRound);

// Standard values, but life points so high that a fight lasts as long as a benchmark needs.
void prepareEndlessFight(ui::TForm1& window) {
    prepareFight(window);
    for (const char* edit : {"Edit1", "Edit9"}) {
        guitest::child<QLineEdit>(&window, QString::fromLatin1(edit))->setText("1000000000");
    }
}

void startEndlessFight(ui::TForm1& window, int rounds) {
    guitest::triggerAction(&window, "NeuKampf1gegen11");
    prepareEndlessFight(window);
    auto* roundButton = guitest::child<QPushButton>(&window, "Button1");
    for (int round = 0; round < rounds; ++round) {
        roundButton->click();
    }
    QCoreApplication::processEvents();
}

// One round through the event loop, with the log, the chart and the labels painted, at a
// given round of one fight. After a few timed rounds the fight starts over (untimed), so
// every timed round is close to that round.
void guiRoundPaintedAt(benchmark::State& state) {
    const auto atRound = static_cast<int>(state.range(0));
    constexpr int timedRoundsPerFight = 20;
    toolkit::installBoxAnswerer([](const toolkit::ShownBox&) {});
    ui::ApplicationWindows windows;
    ui::TForm1& window = windows.form1();
    window.showMaximized();
    QCoreApplication::processEvents();
    auto* roundButton = guitest::child<QPushButton>(&window, "Button1");
    startEndlessFight(window, atRound - 1);

    for (auto _ : state) {
        if (windows.fightController().combatState().roundNumber >=
            atRound - 1 + timedRoundsPerFight) {
            state.PauseTiming();
            startEndlessFight(window, atRound - 1);
            state.ResumeTiming();
        }
        roundButton->click();
        QCoreApplication::processEvents();
    }
    toolkit::removeBoxAnswerer();
    state.counters["round"] = windows.fightController().combatState().roundNumber;
}
BENCHMARK(guiRoundPaintedAt)->Arg(50)->Arg(3000)->Unit(benchmark::kMillisecond);

// Resident memory after many rounds, and what one painted round costs then. Across fights,
// each fight runs to its end with the standard values and a new fight follows; in one fight,
// the life points keep it going. The event loop runs every hundred rounds, as it would
// between a user's presses in a burst.
void memoryAfterRounds(benchmark::State& state, bool oneFight) {
    const auto rounds = static_cast<int>(state.range(0));
    constexpr int roundsBetweenEvents = 100;
    constexpr int timedRounds = 50;
    toolkit::installBoxAnswerer([](const toolkit::ShownBox&) {});
    ui::ApplicationWindows windows;
    ui::TForm1& window = windows.form1();
    window.showMaximized();
    QCoreApplication::processEvents();
    const long startKiB = bench::residentKiB();
    auto* roundButton = guitest::child<QPushButton>(&window, "Button1");
    QAction* newFight = guitest::child<QAction>(&window, "NeuKampf1gegen11");
    const auto nextFight = [&] {
        guitest::triggerAction(newFight);
        oneFight ? prepareEndlessFight(window) : prepareFight(window);
    };
    nextFight();
    double roundSeconds = 0;
    for (auto _ : state) {
        for (int round = 1; round <= rounds; ++round) {
            if (!roundButton->isEnabled()) {
                nextFight();
            }
            roundButton->click();
            if (round % roundsBetweenEvents == 0) {
                QCoreApplication::processEvents();
            }
        }
        QCoreApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        for (int round = 0; round < timedRounds; ++round) {
            if (!roundButton->isEnabled()) {
                nextFight();
            }
            roundButton->click();
            QCoreApplication::processEvents();
        }
        roundSeconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
            timedRounds;
    }
    toolkit::removeBoxAnswerer();
    state.counters["startMiB"] = static_cast<double>(startKiB) / kibPerMib;
    state.counters["growthMiB"] = static_cast<double>(bench::residentKiB() - startKiB) / kibPerMib;
    state.counters["roundMs"] = roundSeconds * 1e3;
}

void memoryAfterRoundsAcrossFights(benchmark::State& state) {
    memoryAfterRounds(state, false);
}
BENCHMARK(memoryAfterRoundsAcrossFights)->Arg(100000)->Iterations(1)->Unit(benchmark::kSecond);

void memoryAfterRoundsOfOneFight(benchmark::State& state) {
    memoryAfterRounds(state, true);
}
BENCHMARK(memoryAfterRoundsOfOneFight)->Arg(20000)->Iterations(1)->Unit(benchmark::kSecond);

// Creating every window of the program in a running application, without showing them.
void createApplicationWindows(benchmark::State& state) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        auto windows = std::make_unique<ui::ApplicationWindows>();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        windows.reset();
    }
}
BENCHMARK(createApplicationWindows)->UseManualTime()->Unit(benchmark::kMicrosecond);

void createBareMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        auto window = std::make_unique<QMainWindow>();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        window.reset();
    }
}
BENCHMARK(createBareMainWindow)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A fresh process from its start to its windows created, and its resident memory then
// and once the main window is shown, with the time to that point too.
void startupInFreshProcess(benchmark::State& state, const char* probe) {
    double createdKiB = 0;
    double shownKiB = 0;
    double shownSeconds = 0;
    try {
        for (auto _ : state) {
            const bench::ProbeRun run = bench::runProbe(probe);
            state.SetIterationTime(run.secondsToCreated);
            createdKiB += static_cast<double>(run.createdKiB);
            shownKiB += static_cast<double>(run.shownKiB);
            shownSeconds += run.secondsToShown;
        }
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
        return;
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["createdMiB"] = createdKiB / iterations / kibPerMib;
    state.counters["shownMiB"] = shownKiB / iterations / kibPerMib;
    state.counters["shownMs"] = shownSeconds / iterations * 1e3;
}

// The start-up probes, each benchmarked under its own name in the same run.
struct StartupProbe {
    const char* benchmark;
    const char* program;
};
constexpr std::array startupProbes{
    StartupProbe{"startupToAllWindowsCreated", TORVENN_APPLICATION_PROBE},
    StartupProbe{"startupBareQtMainWindow", TORVENN_BARE_QT_PROBE},
    StartupProbe{"startupMainWindowWithOneLabel", TORVENN_ONE_LABEL_PROBE},
};

void registerStartupBenchmarks() {
    for (const StartupProbe& probe : startupProbes) {
        benchmark::RegisterBenchmark(probe.benchmark,
                                     [program = probe.program](benchmark::State& state) {
                                         startupInFreshProcess(state, program);
                                     })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(10)
            ->Repetitions(5)
            ->ReportAggregatesOnly();
    }
}

// The figures that explain the start-up target: how much of the budget over the bare
// baseline the first text alone takes, and the times until the window is on screen.
void reportStartupReference(const bench::FigureKeeper& figures) {
    const auto* application = figures.find("startupToAllWindowsCreated");
    const auto* bare = figures.find("startupBareQtMainWindow");
    const auto* oneLabel = figures.find("startupMainWindowWithOneLabel");
    if (application == nullptr || bare == nullptr || oneLabel == nullptr) {
        return;
    }
    std::printf("start-up of a main window with one label: %.2f ms, %.3f x bare Qt; the "
                "program takes %.3f x that\n",
                oneLabel->seconds * 1e3, oneLabel->seconds / bare->seconds,
                application->seconds / oneLabel->seconds);
    std::printf("until shown and painted: the program %.2f ms, one label %.2f ms, bare Qt "
                "%.2f ms\n",
                figures.counter("startupToAllWindowsCreated", "shownMs"),
                figures.counter("startupMainWindowWithOneLabel", "shownMs"),
                figures.counter("startupBareQtMainWindow", "shownMs"));
}

bool reportTargets(const bench::FigureKeeper& figures) {
    const auto* round = figures.find("guiRound");
    const auto* application = figures.find("startupToAllWindowsCreated");
    const auto* bare = figures.find("startupBareQtMainWindow");
    const bool startupMeasured = application != nullptr && bare != nullptr;
    std::printf("\n");
    bool met = bench::reportTarget("one round through the main window", round != nullptr,
                                   round != nullptr ? round->seconds * 1e6 : 0, 100.0, "us");
    met = bench::reportTarget("start-up / bare Qt start-up", startupMeasured,
                              startupMeasured ? application->seconds / bare->seconds : 0, 1.25,
                              "x") &&
          met;
    for (const char* stage : {"createdMiB", "shownMiB"}) {
        const double extra = figures.counter("startupToAllWindowsCreated", stage) -
                             figures.counter("startupBareQtMainWindow", stage);
        const std::string what = std::string("resident memory over bare Qt, ") +
                                 (stage == std::string("createdMiB") ? "created" : "shown");
        met = bench::reportTarget(what.c_str(), startupMeasured, extra, 8.0, "MiB") && met;
    }
    if (startupMeasured) {
        std::printf("start-up: %.2f ms against %.2f ms for bare Qt; resident memory once shown: "
                    "%.1f MiB against %.1f MiB\n",
                    application->seconds * 1e3, bare->seconds * 1e3,
                    figures.counter("startupToAllWindowsCreated", "shownMiB"),
                    figures.counter("startupBareQtMainWindow", "shownMiB"));
    }
    reportStartupReference(figures);
    return met;
}

} // namespace

int main(int argc, char** argv) {
    // Headless unless told otherwise; the probe processes inherit it.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    registerStartupBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    toolkit::SafeApplication application(argc, argv);
    bench::FigureKeeper figures;
    benchmark::RunSpecifiedBenchmarks(&figures);
    benchmark::Shutdown();
    return reportTargets(figures) ? 0 : 1;
}
