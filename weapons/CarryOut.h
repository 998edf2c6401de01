#pragma once

#include "ChoiceOutcome.h"
#include "WeaponTarget.h"
#include "engine/Fighter.h"

#include <functional>
#include <variant>

namespace weapons {

// Carries out what a weapon rule decided, in the order the labels must change: the
// DamageCode first, then the attack value where there is one, then the attack type.
class ChoiceExecutor {
public:
    using WindowOpener = std::function<void(AttackModeWeapon)>;

    ChoiceExecutor(engine::Fighter fighter, WeaponTarget& target, WindowOpener openWindow = {});

    void operator()(const NoAction&) const {}
    void operator()(const ShowErrorMessage& message) const;
    void operator()(const SetDamageCode& choice) const;
    void operator()(const SetUntrainedWeapon& choice) const;
    void operator()(const OpenAttackModeWindow& open) const;

    template <typename... Outcomes> void carryOut(const std::variant<Outcomes...>& outcome) const {
        std::visit(*this, outcome);
    }

private:
    engine::Fighter m_fighter;
    WeaponTarget& m_target;
    WindowOpener m_openWindow;
};

} // namespace weapons
