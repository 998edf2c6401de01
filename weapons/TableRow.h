#pragma once

#include <cstddef>
#include <span>

namespace weapons {

// The row at a list index as the toolkit reports it (-1 when nothing is selected), or
// nullptr for any index that names no row.
template <typename Row> const Row* rowAt(std::span<const Row> rows, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= rows.size()) {
        return nullptr;
    }
    return &rows[static_cast<std::size_t>(index)];
}

} // namespace weapons
