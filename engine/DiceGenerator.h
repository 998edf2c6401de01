#pragma once

#include "DiceSource.h"

#include <cstdint>

namespace engine {

// The single source of every roll: a 64-bit linear congruential generator that starts
// from the same state in every run, so the same inputs always give the same fight.
class DiceGenerator final : public DiceSource {
public:
    // The state after seeding with 1: the low half advanced once by the 32-bit rule.
    static constexpr std::uint64_t initialState = 0x00000000015A4E36ULL;
    static constexpr std::uint64_t multiplier = 0x0000015A00004E35ULL;

    std::int32_t nextValue();
    std::int32_t randomBelow(std::int32_t n) override;

    // Where the sequence stands: restoring a state replays the rolls drawn after it.
    std::uint64_t state() const { return m_state; }
    void restoreState(std::uint64_t state) { m_state = state; }

private:
    std::uint64_t m_state = initialState;
};

} // namespace engine
