#pragma once

#include "engine/Fighter.h"
#include "weapons/ChoiceOutcome.h"
#include "weapons/WeaponTarget.h"

#include <functional>
#include <optional>
#include <string_view>

namespace ui::choices {

// Carries out what a weapon rule decided, in the order the labels must change: the
// DamageCode first, then the attack value where there is one, then the attack type.
class ChoiceExecutor {
public:
    // Shows the fighter's window of an attack-mode weapon.
    using WindowOpener = std::function<void(weapons::AttackModeWeapon)>;

    ChoiceExecutor(engine::Fighter fighter, weapons::WeaponTarget& target, WindowOpener openWindow);

    void carryOut(const weapons::ChoiceOutcome& outcome) const;

    void operator()(const weapons::NoAction&) const {}
    void operator()(const weapons::ShowErrorMessage& message) const;
    void operator()(const weapons::SetDamageCode& choice) const;
    void operator()(const weapons::SetUntrainedWeapon& choice) const;
    void operator()(const weapons::OpenAttackModeWindow& open) const;

private:
    void writeWeapon(const weapons::ChosenWeapon& weapon, std::string_view damageCode,
                     std::optional<std::string_view> attackValue) const;

    engine::Fighter m_fighter;
    weapons::WeaponTarget& m_target;
    WindowOpener m_openWindow;
};

} // namespace ui::choices
