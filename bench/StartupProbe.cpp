// One start-up in a fresh process, for the start-up and memory benchmarks. Built twice:
// as the program's own start-up (all its windows, TORVENN_PROBE_APPLICATION) and as a
// bare Qt main window, the baseline. Prints "created <KiB>" as soon as the windows exist
// and "shown <KiB>" once the main window is shown maximised and painted, each with the
// resident memory at that point, and ends.
#include "ResidentMemory.h"

#include <QApplication>
#include <QMainWindow>
#include <cstdio>

#ifdef TORVENN_PROBE_APPLICATION
#include "toolkit/SafeApplication.h"
#include "ui/Startup.h"
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
#endif
    report("created");
    showAndPaint(mainWindow);
    report("shown");
    return 0;
}
