#pragma once

#include "engine/CombatState.h"
#include "weapons/WeaponTarget.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <utility>

namespace ui {

class TForm1;

// What the weapon choices see of the main window: the attributes in the fight record,
// and the labels of the chosen weapon. It keeps each fighter's weapon name for the log.
class FormWeaponTarget : public weapons::WeaponTarget {
public:
    FormWeaponTarget(TForm1& form, const engine::CombatState& state)
        : m_form(form), m_state(state) {}

    std::int32_t strength(engine::Fighter fighter) const override;
    std::int32_t dexterity(engine::Fighter fighter) const override;
    void setChosenWeapon(engine::Fighter fighter, const weapons::ChosenWeapon& weapon) override;
    void setDamageCode(engine::Fighter fighter, std::string_view code) override;
    void setAttackValue(engine::Fighter fighter, std::string_view value) override;
    void setAttackType(engine::Fighter fighter, std::string_view type) override;

    // Empty until a weapon is chosen in this fight.
    const QString& weaponName(engine::Fighter fighter) const {
        return m_weaponNames[engine::indexOf(fighter)];
    }
    // The weapon as it was chosen, to store it and choose it again; none until a weapon is
    // chosen in this fight.
    const std::optional<weapons::ChosenWeapon>& chosenWeapon(engine::Fighter fighter) const {
        return m_chosenWeapons[engine::indexOf(fighter)];
    }
    // A new fight: no weapon chosen yet.
    void forgetWeapons();
    // Called after each label this writes.
    void onLabelChange(std::function<void()> changed) { m_labelChanged = std::move(changed); }

private:
    // Kept for the log, and shown as the tooltip and description of the damage code.
    void showWeaponName(engine::Fighter fighter, const QString& name);
    void labelChanged() const;

    TForm1& m_form;
    const engine::CombatState& m_state;
    std::array<QString, 2> m_weaponNames;
    std::array<std::optional<weapons::ChosenWeapon>, 2> m_chosenWeapons;
    std::function<void()> m_labelChanged;
};

} // namespace ui
