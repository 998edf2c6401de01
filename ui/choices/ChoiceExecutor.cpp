#include "ChoiceExecutor.h"

#include "toolkit/MessageBox.h"
#include "toolkit/QtText.h"

#include <cassert>
#include <utility>
#include <variant>

namespace weapons {

ChoiceExecutor::ChoiceExecutor(engine::Fighter fighter, WeaponTarget& target,
                               WindowOpener openWindow)
    : m_fighter(fighter), m_target(target), m_openWindow(std::move(openWindow)) {
    assert(m_openWindow);
}

void ChoiceExecutor::carryOut(const ChoiceOutcome& outcome) const {
    std::visit(*this, outcome);
}

void ChoiceExecutor::operator()(const ShowErrorMessage& message) const {
    toolkit::showMessageBox(toolkit::toQString(message.text), toolkit::toQString(message.title));
}

void ChoiceExecutor::operator()(const SetDamageCode& choice) const {
    writeWeapon(choice.weapon, choice.damageCode, std::nullopt);
}

void ChoiceExecutor::operator()(const SetUntrainedWeapon& choice) const {
    writeWeapon(choice.weapon, choice.damageCode, choice.attackValue);
}

void ChoiceExecutor::operator()(const OpenAttackModeWindow& open) const {
    m_openWindow(open.weapon);
}

void ChoiceExecutor::writeWeapon(const ChosenWeapon& weapon, std::string_view damageCode,
                                 std::optional<std::string_view> attackValue) const {
    m_target.setChosenWeapon(m_fighter, weapon);
    m_target.setDamageCode(m_fighter, damageCode);
    if (attackValue) {
        m_target.setAttackValue(m_fighter, *attackValue);
    }
    m_target.setAttackType(m_fighter, normalAttackType);
}

} // namespace weapons
