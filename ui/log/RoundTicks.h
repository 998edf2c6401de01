#pragma once

#include <cstdint>
#include <vector>

namespace ui {

// Round numbers to label on the chart's horizontal axis between the first and the last
// round shown: the multiples of the smallest step of 1, 2 or 5 times a power of ten that
// gives at most maxLabels of them (at least one).
std::vector<std::int64_t> roundTicks(std::int64_t first, std::int64_t last, int maxLabels);

} // namespace ui
