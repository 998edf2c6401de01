#pragma once

#include "ChoiceExecutor.h"
#include "engine/Fighter.h"
#include "weapons/AttackModes.h"

#include <array>
#include <vector>

class QString;
class QWidget;

namespace weapons {
class WeaponTarget;
}

namespace ui::choices {

class AttackModeChoiceWindow;
class ChoiceWindow;
class UntrainedWeaponChoiceWindow;

// The 22 choice windows beside the main window. They are created once, hidden, in their
// fixed order (Form2 … Form10 for fighter 1's attack modes, Form11 … Form19 for fighter
// 2's, then Form20/Form21 improvised and Form22/Form23 unfamiliar weapons), belong to the
// main window and are only shown and hidden afterwards.
class ChoiceWindows {
public:
    ChoiceWindows(QWidget* mainWindow, weapons::WeaponTarget& target);
    // The windows' executors open the attack-mode windows held here.
    ChoiceWindows(const ChoiceWindows&) = delete;
    ChoiceWindows& operator=(const ChoiceWindows&) = delete;

    AttackModeChoiceWindow& attackModeWindow(weapons::AttackModeWeapon weapon,
                                             engine::Fighter fighter);
    UntrainedWeaponChoiceWindow& improvisedWindow(engine::Fighter fighter);
    UntrainedWeaponChoiceWindow& unfamiliarWindow(engine::Fighter fighter);
    // Carries out a choice made for the fighter; it opens the attack-mode windows held here.
    const ChoiceExecutor& executor(engine::Fighter fighter) const;

    // Names the fighter in the fighter line of each of its windows.
    void setFighterName(engine::Fighter fighter, const QString& fighterName);

    // All 22 in creation order.
    const std::vector<ChoiceWindow*>& all() const { return m_all; }

private:
    ChoiceExecutor executorFor(engine::Fighter fighter, weapons::WeaponTarget& target);

    // Indexed by engine::indexOf(fighter).
    std::array<ChoiceExecutor, 2> m_executors;
    std::array<std::array<AttackModeChoiceWindow*, 9>, 2> m_attackModes{};
    std::array<UntrainedWeaponChoiceWindow*, 2> m_improvised{};
    std::array<UntrainedWeaponChoiceWindow*, 2> m_unfamiliar{};
    std::vector<ChoiceWindow*> m_all;
};

} // namespace ui::choices
