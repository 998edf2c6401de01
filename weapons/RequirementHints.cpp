#include "RequirementHints.h"

#include "UntrainedWeaponSelection.h"

#include <variant>

namespace weapons {

namespace {

constexpr const char* noMinimums = "Keine Mindestwerte";
constexpr const char* notAvailableYet = "Noch nicht verfügbar";

} // namespace

std::string minimumsHint(const AttributeMinimums& minimums) {
    if (!minimums.strength && !minimums.dexterity) {
        return noMinimums;
    }
    std::string hint = "Mindestwerte: ";
    if (minimums.strength) {
        hint += "St " + std::to_string(*minimums.strength);
    }
    if (minimums.dexterity) {
        hint += minimums.strength ? ", Gs " : "Gs ";
        hint += std::to_string(*minimums.dexterity);
    }
    return hint;
}

std::string catalogueHint(const WeaponEntry& entry) {
    if (std::holds_alternative<NotAvailable>(entry.outcome)) {
        return notAvailableYet;
    }
    return minimumsHint(entry.minimums);
}

std::optional<std::string> untrainedWeaponHint(const UntrainedWeaponEntry& entry,
                                               engine::Fighter fighter) {
    switch (entry.kind) {
    case UntrainedEntryKind::Heading:
        return std::nullopt;
    case UntrainedEntryKind::NotAvailable:
        return notAvailableYet;
    case UntrainedEntryKind::Brawling:
    case UntrainedEntryKind::Weapon:
        break;
    }
    return setsFlatAttackValue(entry, fighter) ? minimumsHint(entry.minimums) : noMinimums;
}

} // namespace weapons
