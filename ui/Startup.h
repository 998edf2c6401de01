#pragma once

#include <memory>

namespace ui {

class TForm1;

// All windows of the program, created once at start-up in their fixed order with the
// main window first, and kept until the program ends.
class ApplicationWindows {
public:
    ApplicationWindows();
    ~ApplicationWindows();
    ApplicationWindows(const ApplicationWindows&) = delete;
    ApplicationWindows& operator=(const ApplicationWindows&) = delete;

    TForm1& form1() { return *m_form1; }

private:
    std::unique_ptr<TForm1> m_form1;
};

// Creates the windows, runs the event loop until the main window is closed, and shows
// any error that escapes on the way. Always returns 0.
int runApplication(int& argc, char** argv);

} // namespace ui
