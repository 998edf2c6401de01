#pragma once

#include <array>
#include <cstddef>

namespace engine {

// The two combatants. Every per-fighter table is indexed by this, so fighter 1 and
// fighter 2 share one piece of code with the fighter as a parameter.
enum class Fighter : unsigned char { First = 0, Second = 1 };

inline constexpr std::array<Fighter, 2> bothFighters{Fighter::First, Fighter::Second};

constexpr std::size_t indexOf(Fighter fighter) {
    return static_cast<std::size_t>(fighter);
}

constexpr Fighter opponentOf(Fighter fighter) {
    return fighter == Fighter::First ? Fighter::Second : Fighter::First;
}

// Picks the fighter-1 or fighter-2 variant of a pair of names, values or pointers.
template <typename T> constexpr const T& pick(Fighter fighter, const T& first, const T& second) {
    return fighter == Fighter::First ? first : second;
}

} // namespace engine
