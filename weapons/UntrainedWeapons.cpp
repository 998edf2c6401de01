#include "UntrainedWeapons.h"

#include "TableRow.h"

namespace weapons {

const UntrainedWeaponEntry* untrainedEntryAt(std::span<const UntrainedWeaponEntry> table,
                                             int index) {
    return rowAt(table, index);
}

} // namespace weapons
