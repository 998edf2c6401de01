#pragma once

#include <memory>

namespace weapons {
class ChoiceWindows;
}

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
    weapons::ChoiceWindows& choiceWindows() { return *m_choiceWindows; }

private:
    std::unique_ptr<TForm1> m_form1;
    // The windows themselves belong to the main window; this only finds them.
    std::unique_ptr<weapons::ChoiceWindows> m_choiceWindows;
};

// Creates the windows, runs the event loop until the main window is closed, and shows
// any error that escapes on the way. Always returns 0.
int runApplication(int& argc, char** argv);

} // namespace ui
