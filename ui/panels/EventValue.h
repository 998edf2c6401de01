#pragma once

#include <cstddef>

namespace ui {

// The values the event panel shows for each fighter, in the order of its columns.
enum class EventValue : unsigned char {
    LifePoints,
    EndurancePoints,
    DamageShown,
    AttackSkill,
    AttackRoll,
    AttackTotal,
    DefenceSkill,
    DefenceRoll,
    DefenceTotal,
    Armour,
    Strength,
    Dexterity,
    Agility,
    count // not a value: how many there are
};

inline constexpr std::size_t eventValueCount = static_cast<std::size_t>(EventValue::count);

constexpr std::size_t indexOf(EventValue value) {
    return static_cast<std::size_t>(value);
}

} // namespace ui
