#include "ChoiceExecutor.h"

#include "toolkit/gui/MessageBox.h"
#include "toolkit/gui/QtText.h"

#include <cassert>
#include <utility>
#include <variant>

namespace ui::choices {

ChoiceExecutor::ChoiceExecutor(engine::Fighter fighter, weapons::WeaponTarget& target,
                               WindowOpener openWindow)
    : m_fighter(fighter), m_target(target), m_openWindow(std::move(openWindow)) {
    assert(m_openWindow);
}

void ChoiceExecutor::carryOut(const weapons::ChoiceOutcome& outcome) const {
    std::visit(*this, outcome);
}

void ChoiceExecutor::operator()(const weapons::ShowErrorMessage& message) const {
    toolkit::showMessageBox(toolkit::toQString(message.text), toolkit::toQString(message.title));
}

void ChoiceExecutor::operator()(const weapons::SetDamageCode& choice) const {
    writeWeapon(choice.weapon, choice.damageCode, std::nullopt);
}

void ChoiceExecutor::operator()(const weapons::SetUntrainedWeapon& choice) const {
    writeWeapon(choice.weapon, choice.damageCode, choice.attackValue);
}

void ChoiceExecutor::operator()(const weapons::OpenAttackModeWindow& open) const {
    m_openWindow(open.weapon);
}

void ChoiceExecutor::writeWeapon(const weapons::ChosenWeapon& weapon, std::string_view damageCode,
                                 std::optional<std::string_view> attackValue) const {
    m_target.setChosenWeapon(m_fighter, weapon);
    m_target.setDamageCode(m_fighter, damageCode);
    if (attackValue) {
        m_target.setAttackValue(m_fighter, *attackValue);
    }
    m_target.setAttackType(m_fighter, weapons::normalAttackType);
}

} // namespace ui::choices
