#pragma once

#include "ChoiceWindow.h"
#include "engine/Fighter.h"
#include "weapons/AttackModes.h"

#include <optional>
#include <vector>

class QRadioButton;

namespace weapons {
class WeaponTarget;
}

namespace ui::choices {

class ChoiceExecutor;

// "Welche Angriffsart?": one radio button per attack mode of a weapon. All eighteen
// windows (nine weapons, two fighters) are this class, fed by the attack-mode table.
class AttackModeChoiceWindow : public ChoiceWindow {
    Q_OBJECT
public:
    // executor carries out the choices of this fighter.
    AttackModeChoiceWindow(QWidget* mainWindow, weapons::AttackModeWeapon weapon,
                           engine::Fighter fighter, weapons::WeaponTarget& target,
                           const ChoiceExecutor& executor);

    weapons::AttackModeWeapon weapon() const { return m_weapon; }
    // 0-based position of the checked mode, if any.
    std::optional<int> checkedMode() const;
    // Checks the mode at that position, as a click on its radio button does.
    void checkMode(int position);

protected:
    void Button1Click() override;
    QStringList choiceTexts() const override;
    int currentChoice() const override;
    QWidget* choiceFocus() const override;

private:
    weapons::AttackModeWeapon m_weapon;
    weapons::WeaponTarget& m_target;
    const ChoiceExecutor& m_executor;
    std::vector<QRadioButton*> m_modes;
};

} // namespace ui::choices
