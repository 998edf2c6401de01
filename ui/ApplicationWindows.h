#pragma once

#include <memory>

namespace roster {
class RosterController;
}

namespace ui {

namespace choices {
class ChoiceWindows;
}
class FightController;
class TForm1;

// All windows of the program, created once at start-up in their fixed order with the
// main window first, and kept until the program ends, with the controller that makes
// them work.
class ApplicationWindows {
public:
    ApplicationWindows();
    ~ApplicationWindows();
    ApplicationWindows(const ApplicationWindows&) = delete;
    ApplicationWindows& operator=(const ApplicationWindows&) = delete;

    TForm1& form1() { return *m_form1; }
    FightController& fightController() { return *m_fightController; }
    choices::ChoiceWindows& choiceWindows();
    roster::RosterController& rosterController() { return *m_rosterController; }

private:
    std::unique_ptr<TForm1> m_form1;
    // Creates the choice windows. Destroyed before the main window, so that no control
    // reaches it on the way out.
    std::unique_ptr<FightController> m_fightController;
    // The menu "Kämpfer"; it enters fighters through the fight controller's handlers.
    std::unique_ptr<roster::RosterController> m_rosterController;
};

} // namespace ui
