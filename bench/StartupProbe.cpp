// One start-up in a fresh process, for the start-up and memory benchmarks. Built three
// times: as the program's own start-up (all its windows, TORVENN_PROBE_APPLICATION), as a
// bare Qt main window, the baseline, and as a main window with nothing but one label
// (TORVENN_PROBE_ONE_LABEL): the least any window with text costs, since its first text
// loads Qt's font database. Prints "created <KiB>" as soon as the windows exist
// and "shown <KiB>" once the main window is shown maximised and painted, each with the
// resident memory at that point, and ends.
#include "ResidentMemory.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <cstdio>

#ifdef TORVENN_PROBE_APPLICATION
#include "toolkit/gui/SafeApplication.h"
#include "ui/ApplicationWindows.h"
#include "ui/TForm1.h"
#endif

namespace {

void report(const char* stage) {
    std::printf("%s %ld\n", stage, bench::residentKiB());
    std::fflush(stdout);
}

void showAndPaint(QMainWindow& mainWindow) {
    mainWindow.showMaximized();
    QCoreApplication::processEvents();
    mainWindow.repaint();
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char** argv) {
#ifdef TORVENN_PROBE_APPLICATION
    toolkit::SafeApplication application(argc, argv);
    ui::ApplicationWindows windows;
    QMainWindow& mainWindow = windows.form1();
#else
    QApplication application(argc, argv);
    QMainWindow mainWindow;
#ifdef TORVENN_PROBE_ONE_LABEL
    auto* label = new QLabel(QStringLiteral("Eine Runde generieren"));
    mainWindow.setCentralWidget(label);
    // A layout would ask this on showing; asking now puts the font loading before
    // "created", as it is for the program's own windows.
    label->sizeHint();
#endif
#endif
    report("created");
    showAndPaint(mainWindow);
    report("shown");
    return 0;
}
