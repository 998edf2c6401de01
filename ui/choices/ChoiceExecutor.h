#pragma once

#include "engine/Fighter.h"
#include "weapons/ChoiceOutcome.h"
#include "weapons/WeaponTarget.h"

#include <functional>
#include <optional>
#include <string_view>

namespace weapons {

// Carries out what a weapon rule decided, in the order the labels must change: the
// DamageCode first, then the attack value where there is one, then the attack type.
class ChoiceExecutor {
public:
    // Shows the fighter's window of an attack-mode weapon.
    using WindowOpener = std::function<void(AttackModeWeapon)>;

    ChoiceExecutor(engine::Fighter fighter, WeaponTarget& target, WindowOpener openWindow);

    void carryOut(const ChoiceOutcome& outcome) const;

    void operator()(const NoAction&) const {}
    void operator()(const ShowErrorMessage& message) const;
    void operator()(const SetDamageCode& choice) const;
    void operator()(const SetUntrainedWeapon& choice) const;
    void operator()(const OpenAttackModeWindow& open) const;

private:
    void writeWeapon(const ChosenWeapon& weapon, std::string_view damageCode,
                     std::optional<std::string_view> attackValue) const;

    engine::Fighter m_fighter;
    WeaponTarget& m_target;
    WindowOpener m_openWindow;
};

} // namespace weapons
