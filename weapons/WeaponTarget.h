#pragma once

#include "ChoiceOutcome.h"
#include "engine/Fighter.h"

#include <cstdint>
#include <string_view>

namespace weapons {

// What a weapon choice reads from and writes into the main window: the fighter's
// attributes, the three labels the next round reads, and the name of the chosen weapon,
// which is told before its labels change.
class WeaponTarget {
public:
    virtual ~WeaponTarget() = default;
    virtual std::int32_t strength(engine::Fighter fighter) const = 0;
    virtual std::int32_t dexterity(engine::Fighter fighter) const = 0;
    virtual void setChosenWeapon(engine::Fighter fighter, const ChosenWeapon& weapon) = 0;
    virtual void setDamageCode(engine::Fighter fighter, std::string_view code) = 0;
    virtual void setAttackValue(engine::Fighter fighter, std::string_view value) = 0;
    virtual void setAttackType(engine::Fighter fighter, std::string_view type) = 0;
};

} // namespace weapons
