#include "DiceGenerator.h"

namespace engine {

std::int32_t DiceGenerator::nextValue() {
    m_state = m_state * multiplier + 1;
    return static_cast<std::int32_t>((m_state >> 32) & 0x7FFFFFFFULL);
}

std::int32_t DiceGenerator::randomBelow(std::int32_t n) {
    if (n <= 0) {
        return 0;
    }
    return nextValue() % n;
}

} // namespace engine
