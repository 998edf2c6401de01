#include "PanelWeaponTarget.h"

#include "FighterPanel.h"
#include "TForm1.h"
#include "toolkit/QtText.h"

#include <QLabel>

namespace ui {

using engine::Fighter;

std::int32_t PanelWeaponTarget::strength(Fighter fighter) const {
    return m_state.fighter(fighter).strength;
}

std::int32_t PanelWeaponTarget::dexterity(Fighter fighter) const {
    return m_state.fighter(fighter).dexterity;
}

void PanelWeaponTarget::setChosenWeapon(Fighter fighter, const weapons::ChosenWeapon& weapon) {
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

void PanelWeaponTarget::forgetWeapons() {
    for (const Fighter fighter : engine::bothFighters) {
        m_chosenWeapons[engine::indexOf(fighter)].reset();
        showWeaponName(fighter, QString());
    }
}

void PanelWeaponTarget::showWeaponName(Fighter fighter, const QString& name) {
    m_weaponNames[engine::indexOf(fighter)] = name;
    // The code alone does not say which weapon it came from.
    QLabel* damageCode = m_form.panel(fighter).damageCode;
    damageCode->setToolTip(name);
    damageCode->setAccessibleDescription(name);
}

void PanelWeaponTarget::labelChanged() const {
    if (m_labelChanged) {
        m_labelChanged();
    }
}

void PanelWeaponTarget::setDamageCode(Fighter fighter, std::string_view code) {
    m_form.panel(fighter).damageCode->setText(toolkit::toQString(code));
    labelChanged();
}

void PanelWeaponTarget::setAttackValue(Fighter fighter, std::string_view value) {
    m_form.panelLabel(engine::controlsOf(fighter).attackSkill)->setText(toolkit::toQString(value));
    labelChanged();
}

void PanelWeaponTarget::setAttackType(Fighter fighter, std::string_view type) {
    m_form.panel(fighter).attackType->setText(toolkit::toQString(type));
    labelChanged();
}

} // namespace ui
