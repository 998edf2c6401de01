#include "WeaponCatalogue.h"

#include "TableRow.h"

namespace weapons {

const WeaponEntry* catalogueEntryAt(int index) {
    return rowAt<WeaponEntry>(weaponCatalogue, index);
}

} // namespace weapons
