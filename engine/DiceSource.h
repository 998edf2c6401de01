#pragma once

#include <cstdint>

namespace engine {

// Where the rolls of a round come from. The program always rolls with the DiceGenerator;
// a test may roll with a generator of its own to play many independent fights.
class DiceSource {
public:
    virtual ~DiceSource() = default;

    // 0 … n-1; 0 without a draw when n is not positive.
    virtual std::int32_t randomBelow(std::int32_t n) = 0;
    std::int32_t rollW6() { return randomBelow(6) + 1; }
    std::int32_t rollW20() { return randomBelow(20) + 1; }

protected:
    DiceSource() = default;
    DiceSource(const DiceSource&) = default;
    DiceSource& operator=(const DiceSource&) = default;
};

} // namespace engine
