#include "ChoiceWindows.h"

#include "AttackModeChoiceWindow.h"
#include "UntrainedWeaponChoiceWindow.h"

namespace ui::choices {

ChoiceWindows::ChoiceWindows(QWidget* mainWindow, weapons::WeaponTarget& target)
    : m_executors{executorFor(engine::Fighter::First, target),
                  executorFor(engine::Fighter::Second, target)} {
    for (const engine::Fighter fighter : engine::bothFighters) {
        for (const weapons::AttackModeWeaponData& data : weapons::attackModeWeapons) {
            auto* window = new AttackModeChoiceWindow(mainWindow, data.weapon, fighter, target,
                                                      m_executors[engine::indexOf(fighter)]);
            m_attackModes[engine::indexOf(fighter)][static_cast<std::size_t>(data.weapon)] = window;
            m_all.push_back(window);
        }
    }
    for (const engine::Fighter fighter : engine::bothFighters) {
        m_improvised[engine::indexOf(fighter)] =
            new UntrainedWeaponChoiceWindow(mainWindow, improvisedWeaponWindows, fighter, target,
                                            m_executors[engine::indexOf(fighter)]);
        m_all.push_back(m_improvised[engine::indexOf(fighter)]);
    }
    for (const engine::Fighter fighter : engine::bothFighters) {
        m_unfamiliar[engine::indexOf(fighter)] =
            new UntrainedWeaponChoiceWindow(mainWindow, unfamiliarWeaponWindows, fighter, target,
                                            m_executors[engine::indexOf(fighter)]);
        m_all.push_back(m_unfamiliar[engine::indexOf(fighter)]);
    }
}

ChoiceExecutor ChoiceWindows::executorFor(engine::Fighter fighter, weapons::WeaponTarget& target) {
    return ChoiceExecutor(fighter, target, [this, fighter](weapons::AttackModeWeapon weapon) {
        attackModeWindow(weapon, fighter).showAndRaise();
    });
}

AttackModeChoiceWindow& ChoiceWindows::attackModeWindow(weapons::AttackModeWeapon weapon,
                                                        engine::Fighter fighter) {
    return *m_attackModes[engine::indexOf(fighter)][static_cast<std::size_t>(weapon)];
}

UntrainedWeaponChoiceWindow& ChoiceWindows::improvisedWindow(engine::Fighter fighter) {
    return *m_improvised[engine::indexOf(fighter)];
}

UntrainedWeaponChoiceWindow& ChoiceWindows::unfamiliarWindow(engine::Fighter fighter) {
    return *m_unfamiliar[engine::indexOf(fighter)];
}

void ChoiceWindows::setFighterName(engine::Fighter fighter, const QString& fighterName) {
    for (ChoiceWindow* window : m_all) {
        if (window->fighter() == fighter) {
            window->setFighterName(fighterName);
        }
    }
}

const ChoiceExecutor& ChoiceWindows::executor(engine::Fighter fighter) const {
    return m_executors[engine::indexOf(fighter)];
}

} // namespace ui::choices
