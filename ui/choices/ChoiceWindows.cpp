#include "ChoiceWindows.h"

#include "AttackModeChoiceWindow.h"
#include "UntrainedWeaponChoiceWindow.h"

namespace weapons {

ChoiceWindows::ChoiceWindows(QWidget* mainWindow, WeaponTarget& target)
    : m_executors{executorFor(engine::Fighter::First, target),
                  executorFor(engine::Fighter::Second, target)} {
    for (const engine::Fighter fighter : engine::bothFighters) {
        for (const AttackModeWeaponData& data : attackModeWeapons) {
            auto* window = new AttackModeChoiceWindow(mainWindow, data.weapon, fighter, target,
                                                      m_executors[engine::indexOf(fighter)]);
            m_attackModes[engine::indexOf(fighter)][static_cast<std::size_t>(data.weapon)] = window;
            m_all.push_back(window);
        }
    }
    for (const engine::Fighter fighter : engine::bothFighters) {
        m_improvised[engine::indexOf(fighter)] =
            new UntrainedWeaponChoiceWindow(mainWindow, improvisedWeaponDialog, fighter, target,
                                            m_executors[engine::indexOf(fighter)]);
        m_all.push_back(m_improvised[engine::indexOf(fighter)]);
    }
    for (const engine::Fighter fighter : engine::bothFighters) {
        m_unfamiliar[engine::indexOf(fighter)] =
            new UntrainedWeaponChoiceWindow(mainWindow, unfamiliarWeaponDialog, fighter, target,
                                            m_executors[engine::indexOf(fighter)]);
        m_all.push_back(m_unfamiliar[engine::indexOf(fighter)]);
    }
}

ChoiceExecutor ChoiceWindows::executorFor(engine::Fighter fighter, WeaponTarget& target) {
    return ChoiceExecutor(fighter, target, [this, fighter](AttackModeWeapon weapon) {
        attackModeWindow(weapon, fighter).showAndRaise();
    });
}

AttackModeChoiceWindow& ChoiceWindows::attackModeWindow(AttackModeWeapon weapon,
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

} // namespace weapons
