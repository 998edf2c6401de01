#include "RoundTicks.h"

#include <algorithm>
#include <array>

namespace ui {

namespace {

// The first multiple of step at or after value, for negative values too.
std::int64_t firstMultipleFrom(std::int64_t value, std::int64_t step) {
    const std::int64_t below = value / step * step;
    return below < value ? below + step : below;
}

} // namespace

std::vector<std::int64_t> roundTicks(std::int64_t first, std::int64_t last, int maxLabels) {
    if (last < first) {
        std::swap(first, last);
    }
    const std::int64_t labels = std::max(maxLabels, 1);
    // Spans of 32-bit round numbers find their step long before the decades overflow.
    const std::int64_t span = last - first;
    std::int64_t step = 1;
    for (std::int64_t decade = 1;; decade *= 10) {
        const std::array<std::int64_t, 3> steps{decade, 2 * decade, 5 * decade};
        const auto fits = std::find_if(steps.begin(), steps.end(), [&](std::int64_t candidate) {
            return span / candidate + 1 <= labels;
        });
        if (fits != steps.end()) {
            step = *fits;
            break;
        }
    }
    std::vector<std::int64_t> ticks;
    for (std::int64_t tick = firstMultipleFrom(first, step); tick <= last; tick += step) {
        ticks.push_back(tick);
    }
    // A short span can fall between two multiples of the step it needs.
    if (ticks.empty()) {
        ticks.push_back(first);
    }
    return ticks;
}

} // namespace ui
