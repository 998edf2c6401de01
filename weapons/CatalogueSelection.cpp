#include "CatalogueSelection.h"

#include "WeaponCatalogue.h"

namespace weapons {

namespace {

struct OutcomeToChoice {
    const WeaponEntry& entry;

    CatalogueChoice operator()(const FixedDamage& fixed) const {
        return SetDamageCode{fixed.damageCode, {entry.listText}};
    }
    CatalogueChoice operator()(const AttackModeWindowOutcome& window) const {
        return OpenAttackModeWindow{window.weapon};
    }
    CatalogueChoice operator()(const NotAvailable&) const {
        return ShowErrorMessage{notAvailableText};
    }
};

} // namespace

CatalogueChoice chooseFromCatalogue(int index, std::int32_t strength, std::int32_t dexterity) {
    const WeaponEntry* entry = catalogueEntryAt(index);
    if (entry == nullptr) {
        return NoAction{};
    }
    if (!std::holds_alternative<NotAvailable>(entry->outcome) &&
        !meetsMinimums(entry->minimums, strength, dexterity)) {
        return ShowErrorMessage{missingAttributesText};
    }
    return std::visit(OutcomeToChoice{*entry}, entry->outcome);
}

} // namespace weapons
