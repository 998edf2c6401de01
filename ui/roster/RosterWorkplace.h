#pragma once

#include "RosterMenuItems.h"
#include "engine/CombatState.h"
#include "engine/Fighter.h"
#include "weapons/ChoiceOutcome.h"

#include <array>
#include <functional>
#include <optional>

class QWidget;

namespace ui {
class FighterPanel;
namespace choices {
class ChoiceWindows;
}
} // namespace ui

namespace roster {

// What the roster works on in the main window: the fighters' panels and its menu items, the
// choice windows it chooses weapons through, and what the fight knows of each fighter.
// Everything named here must outlive the roster.
struct RosterWorkplace {
    QWidget* mainWindow = nullptr;
    std::array<ui::FighterPanel*, 2> panels{};
    const RosterMenuItems* menuItems = nullptr;
    ui::choices::ChoiceWindows* choiceWindows = nullptr;
    const engine::CombatState* state = nullptr;
    // The weapon the fighter chose since the last new fight, if any.
    std::function<std::optional<weapons::ChosenWeapon>(engine::Fighter)> chosenWeapon;
    // What choosing a line of the fighter's weapon list does.
    std::function<void(engine::Fighter)> weaponListClick;

    ui::FighterPanel& panel(engine::Fighter fighter) const {
        return *panels[engine::indexOf(fighter)];
    }
};

} // namespace roster
