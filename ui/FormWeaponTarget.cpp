#include "FormWeaponTarget.h"

#include "TForm1.h"
#include "toolkit/gui/QtText.h"
#include "ui/panels/FighterPanel.h"

#include <QLabel>

namespace ui {

using engine::Fighter;

std::int32_t FormWeaponTarget::strength(Fighter fighter) const {
    return m_state.fighter(fighter).strength;
}

std::int32_t FormWeaponTarget::dexterity(Fighter fighter) const {
    return m_state.fighter(fighter).dexterity;
}

void FormWeaponTarget::setChosenWeapon(Fighter fighter, const weapons::ChosenWeapon& weapon) {
    QString name = toolkit::toQString(weapon.entry);
    if (!weapon.mode.empty()) {
        name += QStringLiteral(", ") + toolkit::toQString(weapon.mode);
    }
    if (!weapon.window.empty()) {
        name += QStringLiteral(" aus „%1“").arg(toolkit::toQString(weapon.window));
    }
    m_chosenWeapons[engine::indexOf(fighter)] = weapon;
    showWeaponName(fighter, name);
}

void FormWeaponTarget::forgetWeapons() {
    for (const Fighter fighter : engine::bothFighters) {
        m_chosenWeapons[engine::indexOf(fighter)].reset();
        showWeaponName(fighter, QString());
    }
}

void FormWeaponTarget::showWeaponName(Fighter fighter, const QString& name) {
    m_weaponNames[engine::indexOf(fighter)] = name;
    // The code alone does not say which weapon it came from.
    QLabel* damageCode = m_form.panel(fighter).damageCode;
    damageCode->setToolTip(name);
    damageCode->setAccessibleDescription(name);
}

void FormWeaponTarget::labelChanged() const {
    if (m_labelChanged) {
        m_labelChanged();
    }
}

void FormWeaponTarget::setDamageCode(Fighter fighter, std::string_view code) {
    m_form.panel(fighter).damageCode->setText(toolkit::toQString(code));
    labelChanged();
}

void FormWeaponTarget::setAttackValue(Fighter fighter, std::string_view value) {
    m_form.panelLabel(engine::controlsOf(fighter).attackSkill)->setText(toolkit::toQString(value));
    labelChanged();
}

void FormWeaponTarget::setAttackType(Fighter fighter, std::string_view type) {
    m_form.panel(fighter).attackType->setText(toolkit::toQString(type));
    labelChanged();
}

} // namespace ui
