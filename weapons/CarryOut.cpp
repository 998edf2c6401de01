#include "CarryOut.h"

#include "WindowTexts.h"
#include "toolkit/MessageBox.h"
#include "toolkit/QtText.h"

#include <utility>

namespace weapons {

ChoiceExecutor::ChoiceExecutor(engine::Fighter fighter, WeaponTarget& target,
                               WindowOpener openWindow)
    : m_fighter(fighter), m_target(target), m_openWindow(std::move(openWindow)) {}

void ChoiceExecutor::operator()(const ShowErrorMessage& message) const {
    toolkit::showMessageBox(toolkit::toQString(message.text), toolkit::toQString(message.title));
}

void ChoiceExecutor::operator()(const SetDamageCode& choice) const {
    m_target.setChosenWeapon(m_fighter, choice.weapon);
    m_target.setDamageCode(m_fighter, choice.damageCode);
    m_target.setAttackType(m_fighter, normalAttackType);
}

void ChoiceExecutor::operator()(const SetUntrainedWeapon& choice) const {
    m_target.setChosenWeapon(m_fighter, choice.weapon);
    m_target.setDamageCode(m_fighter, choice.damageCode);
    if (choice.attackValue) {
        m_target.setAttackValue(m_fighter, *choice.attackValue);
    }
    m_target.setAttackType(m_fighter, normalAttackType);
}

void ChoiceExecutor::operator()(const OpenAttackModeWindow& open) const {
    if (m_openWindow) {
        m_openWindow(open.weapon);
    }
}

} // namespace weapons
