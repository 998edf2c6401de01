#pragma once

#include "engine/Fighter.h"

#include <cstdint>
#include <string_view>

namespace weapons {

// What a weapon choice reads from and writes into the main window: the fighter's
// attributes, the three labels the next round reads, and the chosen weapon's name.
class WeaponTarget {
public:
    virtual ~WeaponTarget() = default;
    virtual std::int32_t strength(engine::Fighter fighter) const = 0;
    virtual std::int32_t dexterity(engine::Fighter fighter) const = 0;
    virtual void setDamageCode(engine::Fighter fighter, std::string_view code) = 0;
    virtual void setAttackValue(engine::Fighter fighter, std::string_view value) = 0;
    virtual void setAttackType(engine::Fighter fighter, std::string_view type) = 0;
    // Empty when the fighter has no weapon.
    virtual void setWeaponName(engine::Fighter fighter, std::string_view name) = 0;
};

} // namespace weapons
