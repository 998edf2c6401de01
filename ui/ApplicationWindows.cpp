#include "ApplicationWindows.h"

#include "FightController.h"
#include "TForm1.h"
#include "roster/RosterController.h"
#include "toolkit/AccessibleFactory.h"

namespace ui {

namespace {

// Before any window exists, so that every control gets this program's interfaces.
std::unique_ptr<TForm1> createMainWindow() {
    toolkit::installAccessibleFactory();
    return std::make_unique<TForm1>();
}

} // namespace

ApplicationWindows::ApplicationWindows()
    : m_form1(createMainWindow()), m_fightController(std::make_unique<FightController>(*m_form1)),
      m_rosterController(std::make_unique<roster::RosterController>(
          *m_form1, *m_fightController, roster::RosterFile(roster::RosterFile::defaultPath()))) {}

ApplicationWindows::~ApplicationWindows() = default;

choices::ChoiceWindows& ApplicationWindows::choiceWindows() {
    return m_fightController->choiceWindows();
}

} // namespace ui
