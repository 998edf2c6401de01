#pragma once

#include "engine/DiceGenerator.h"

#include <cstdint>
#include <stdexcept>

// How many values were drawn to get from one generator state to a later one.
inline int drawsBetween(engine::DiceGenerator earlier, const engine::DiceGenerator& later) {
    for (int draws = 0; draws <= 64; ++draws) {
        if (earlier.state() == later.state()) {
            return draws;
        }
        earlier.nextValue();
    }
    return -1;
}

// A generator from the fixed start sequence whose next `count` six-sided dice all show
// `face`, so that tests can reach the lowest and highest roll of a code.
inline engine::DiceGenerator beforeSixSidedRun(std::int32_t face, int count) {
    engine::DiceGenerator start;
    for (int position = 0; position < 1'000'000; ++position) {
        engine::DiceGenerator probe = start;
        int matching = 0;
        while (matching < count && probe.rollW6() == face) {
            ++matching;
        }
        if (matching == count) {
            return start;
        }
        start.nextValue();
    }
    throw std::runtime_error("no such run of dice in the sequence");
}
