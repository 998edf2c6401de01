// One long fight through the real main window, headless: resident memory over start-up
// after many rounds of a fight nobody loses, and the slowest key press in a value field
// afterwards. A program of its own, so that the peak (VmHWM) is this fight's alone.
#include "GuiTestSupport.h"
#include "ResidentMemory.h"
#include "Targets.h"
#include "engine/RoundWindow.h"
#include "toolkit/gui/MessageBox.h"
#include "toolkit/gui/SafeApplication.h"
#include "ui/ApplicationWindows.h"
#include "ui/TForm1.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>

namespace {

using engine::PanelLabel;
using Clock = std::chrono::steady_clock;

constexpr double kibPerMib = 1024.0;

// Standard values and a "1W6" weapon for both, and life points no fight of this length
// uses up: every round is an ordinary one and the fight never ends.
void prepareEndlessFight(ui::TForm1& window) {
    guitest::child<QPushButton>(&window, "Button2")->click();
    for (const PanelLabel label : {PanelLabel::Label11, PanelLabel::Label41}) {
        window.panelLabel(label)->setText(QStringLiteral("1W6"));
    }
    for (const PanelLabel label : {PanelLabel::Label1, PanelLabel::Label10}) {
        window.panelLabel(label)->setText(QStringLiteral("normal"));
    }
    for (const char* edit : {"Edit1", "Edit9"}) {
        guitest::child<QLineEdit>(&window, QString::fromLatin1(edit))->setText("1000000000");
    }
}

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The rounds come as from "Kampf auswürfeln" or a user holding F5: the event loop runs
// every ten rounds. Then a user types into fighter 1's life points field: each key press with
// everything it sets off in the event loop, the forecast included.
void longFight(benchmark::State& state) {
    const auto rounds = static_cast<int>(state.range(0));
    constexpr int roundsBetweenEvents = 10;
    constexpr int keyPresses = 24;
    // Life points of one to four digits in place of nine: the labels change their width.
    constexpr std::array keys{Qt::Key_1,         Qt::Key_5,         Qt::Key_0,        Qt::Key_0,
                              Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Backspace};
    toolkit::installBoxAnswerer([](const toolkit::ShownBox&) {});
    ui::ApplicationWindows windows;
    ui::TForm1& window = windows.form1();
    window.showMaximized();
    QCoreApplication::processEvents();
    const long startKiB = bench::residentKiB();
    auto* roundButton = guitest::child<QPushButton>(&window, "Button1");
    auto* field = guitest::child<QLineEdit>(&window, "Edit1");
    prepareEndlessFight(window);
    double slowestKeyMs = 0;
    for (auto _ : state) {
        for (int round = 1; round <= rounds; ++round) {
            roundButton->click();
            if (round % roundsBetweenEvents == 0) {
                QCoreApplication::processEvents();
            }
        }
        QCoreApplication::processEvents();
        field->setFocus();
        field->selectAll();
        for (int press = 0; press < keyPresses; ++press) {
            const auto start = Clock::now();
            QTest::keyClick(field, keys[static_cast<std::size_t>(press) % keys.size()]);
            // The forecast follows once the key press is handled.
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
            slowestKeyMs = std::max(slowestKeyMs, millisecondsSince(start));
        }
    }
    toolkit::removeBoxAnswerer();
    if (!roundButton->isEnabled()) {
        state.SkipWithError("the fight ended");
    }
    state.counters["startMiB"] = static_cast<double>(startKiB) / kibPerMib;
    state.counters["growthMiB"] = static_cast<double>(bench::residentKiB() - startKiB) / kibPerMib;
    state.counters["peakGrowthMiB"] =
        static_cast<double>(bench::peakResidentKiB() - startKiB) / kibPerMib;
    state.counters["slowestKeyMs"] = slowestKeyMs;
}
BENCHMARK(longFight)->Arg(100000)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    toolkit::SafeApplication application(argc, argv);
    bench::FigureKeeper figures;
    benchmark::RunSpecifiedBenchmarks(&figures);
    benchmark::Shutdown();
    const bool measured = figures.find("longFight") != nullptr;
    std::printf("\n");
    bool met = bench::reportTarget("resident memory over start-up, long fight", measured,
                                   figures.counter("longFight", "growthMiB"), 50.0, "MiB");
    met = bench::reportTarget("slowest key press after the long fight", measured,
                              figures.counter("longFight", "slowestKeyMs"), 16.0, "ms") &&
          met;
    return met ? 0 : 1;
}
