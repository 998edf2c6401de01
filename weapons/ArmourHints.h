#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace weapons {

// What an entry of the fighter's armour drop-downs is worth, as the change rule stores it.
std::int32_t armourClassValue(std::size_t index);
std::int32_t protectionValue(std::size_t index);

// The hints beside each entry: "Lederrüstung: Rüstungsschutz 2", "Rüstungsschutz 7".
std::string armourClassHint(std::size_t index);
std::string protectionValueHint(std::size_t index);

} // namespace weapons
