#include "RequirementHints.h"

#include "AttackModes.h"

#include <variant>

namespace weapons {

namespace {

constexpr const char* noMinimums = "Keine Mindestwerte";
constexpr const char* notAvailableYet = "Noch nicht verfügbar";
constexpr const char* minimumsPrefix = "Mindestwerte: ";
constexpr const char* partSeparator = "; ";

// "St 61, Gs 31"; empty when nothing is tested.
std::string minimumsText(const AttributeMinimums& minimums) {
    std::string text;
    if (minimums.strength) {
        text += "St " + std::to_string(*minimums.strength);
    }
    if (minimums.dexterity) {
        text += minimums.strength ? ", Gs " : "Gs ";
        text += std::to_string(*minimums.dexterity);
    }
    return text;
}

// A mode is named by its caption without the damage: "einhändig (1W6+1)" gives "einhändig".
std::string_view modeName(const AttackModeOption& mode) {
    const std::size_t damage = mode.caption.rfind(" (");
    return damage == std::string_view::npos ? mode.caption : mode.caption.substr(0, damage);
}

// The list's own minimums, then those of each mode that tests its own, as the window's OK
// refuses a mode by them: "Mindestwerte: St 61, Gs 31; einhändig: St 91, Gs 31; …".
std::string attackModeWeaponHint(const AttributeMinimums& listMinimums, AttackModeWeapon weapon) {
    const std::string listText = minimumsText(listMinimums);
    std::string hint = listText.empty() ? std::string() : minimumsPrefix + listText;
    for (const AttackModeOption& mode : attackModeWeaponData(weapon).modes) {
        const std::string modeMinimums = minimumsText(mode.minimums);
        if (modeMinimums.empty()) {
            continue;
        }
        if (!hint.empty()) {
            hint += partSeparator;
        }
        hint.append(modeName(mode)).append(": ").append(modeMinimums);
    }
    return hint.empty() ? noMinimums : hint;
}

} // namespace

std::string minimumsHint(const AttributeMinimums& minimums) {
    const std::string text = minimumsText(minimums);
    return text.empty() ? noMinimums : minimumsPrefix + text;
}

std::string catalogueHint(const WeaponEntry& entry) {
    if (std::holds_alternative<ShowErrorMessage>(entry.outcome)) {
        return notAvailableYet;
    }
    if (const auto* window = std::get_if<OpenAttackModeWindow>(&entry.outcome)) {
        return attackModeWeaponHint(entry.minimums, window->weapon);
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
