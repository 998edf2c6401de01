#include "AttackModeChoiceWindow.h"

#include "ChoiceExecutor.h"
#include "ChoiceWindowData.h"
#include "toolkit/gui/QtText.h"
#include "weapons/AttackModes.h"
#include "weapons/RequirementHints.h"
#include "weapons/WeaponTarget.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace ui::choices {

AttackModeChoiceWindow::AttackModeChoiceWindow(QWidget* mainWindow,
                                               weapons::AttackModeWeapon weapon,
                                               engine::Fighter fighter,
                                               weapons::WeaponTarget& target,
                                               const ChoiceExecutor& executor)
    : ChoiceWindow(mainWindow, attackModeWindow(weapon, fighter),
                   weapons::attackModeWeaponData(weapon).name, attackModeQuestion, fighter),
      m_weapon(weapon), m_target(target), m_executor(executor) {
    int number = 1;
    for (const weapons::AttackModeOption& mode : weapons::attackModeWeaponData(weapon).modes) {
        auto* radio =
            new QRadioButton(toolkit::toQString(weapons::captionFor(mode, fighter)), this);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(number++));
        if (mode.minimums.strength || mode.minimums.dexterity) {
            radio->setToolTip(toolkit::toQString(weapons::minimumsHint(mode.minimums)));
        }
        addChoice(radio);
        m_modes.push_back(radio);
        connect(radio, &QRadioButton::toggled, this, [this] { describeChoices(); });
    }
    choicesLayout()->addStretch(1);
    applyTabOrder();
}

std::optional<int> AttackModeChoiceWindow::checkedMode() const {
    for (std::size_t i = 0; i < m_modes.size(); ++i) {
        if (m_modes[i]->isChecked()) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

QStringList AttackModeChoiceWindow::choiceTexts() const {
    QStringList texts;
    for (const QRadioButton* mode : m_modes) {
        texts << mode->text();
    }
    return texts;
}

int AttackModeChoiceWindow::currentChoice() const {
    return checkedMode().value_or(-1);
}

QWidget* AttackModeChoiceWindow::choiceFocus() const {
    const int checked = currentChoice();
    return m_modes.at(checked >= 0 ? static_cast<std::size_t>(checked) : 0);
}

void AttackModeChoiceWindow::checkMode(int position) {
    m_modes.at(static_cast<std::size_t>(position))->setChecked(true);
}

void AttackModeChoiceWindow::Button1Click() {
    m_executor.carryOut(weapons::confirmAttackMode(
        m_weapon, checkedMode(), m_target.strength(fighter()), m_target.dexterity(fighter())));
}

} // namespace ui::choices
