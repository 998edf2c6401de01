#include "ApplicationWindows.h"

#include "FightController.h"
#include "TForm1.h"
#include "roster/RosterController.h"
#include "toolkit/gui/AccessibleFactory.h"

namespace ui {

namespace {

// Before any window exists, so that every control gets this program's interfaces.
std::unique_ptr<TForm1> createMainWindow() {
    toolkit::installAccessibleFactory();
    return std::make_unique<TForm1>();
}

roster::RosterWorkplace rosterWorkplace(TForm1& form, FightController& controller) {
    roster::RosterWorkplace workplace;
    workplace.mainWindow = &form;
    for (const engine::Fighter fighter : engine::bothFighters) {
        workplace.panels[engine::indexOf(fighter)] = &form.panel(fighter);
    }
    workplace.menuItems = &form.rosterItems();
    workplace.choiceWindows = &controller.choiceWindows();
    workplace.state = &controller.combatState();
    workplace.chosenWeapon = [&controller](engine::Fighter fighter) {
        return controller.weaponTarget().chosenWeapon(fighter);
    };
    workplace.weaponListClick = [&controller](engine::Fighter fighter) {
        controller.ListBoxClick(fighter);
    };
    return workplace;
}

} // namespace

ApplicationWindows::ApplicationWindows()
    : m_form1(createMainWindow()), m_fightController(std::make_unique<FightController>(*m_form1)),
      m_rosterController(std::make_unique<roster::RosterController>(
          rosterWorkplace(*m_form1, *m_fightController),
          roster::RosterFile(roster::RosterFile::defaultPath()))) {}

ApplicationWindows::~ApplicationWindows() = default;

choices::ChoiceWindows& ApplicationWindows::choiceWindows() {
    return m_fightController->choiceWindows();
}

} // namespace ui
