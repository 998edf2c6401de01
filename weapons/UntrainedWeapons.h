#pragma once

#include "ChoiceOutcome.h"
#include "WeaponCatalogue.h"
#include "WeaponTableParts.h"
#include "engine/Fighter.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

namespace weapons {

enum class UntrainedEntryKind : unsigned char {
    Heading,      // a group title, not selectable
    Weapon,       // writes its code and the attack value "4" or "0"
    Brawling,     // fighter 1 keeps his attack value; fighter 2 treats it as a weapon
    NotAvailable, // refused with a message
};

// One row of the improvised-weapon or the unfamiliar-weapon list. Headings and rows that
// are not available have no minimums and an empty code.
struct UntrainedWeaponEntry {
    std::string_view listText;
    UntrainedEntryKind kind;
    AttributeMinimums minimums;
    std::string_view damageCode;
};

namespace untrained_rows {

constexpr UntrainedWeaponEntry heading(std::string_view text) {
    return {text, UntrainedEntryKind::Heading, {}, {}};
}

constexpr UntrainedWeaponEntry weapon(std::string_view text, std::optional<std::int32_t> strength,
                                      std::optional<std::int32_t> dexterity,
                                      std::string_view code) {
    return {text, UntrainedEntryKind::Weapon, {strength, dexterity}, code};
}

// A missile weapon of the weapon list, as an unfamiliar weapon: same text, minimums and code.
constexpr UntrainedWeaponEntry fromCatalogue(const WeaponEntry& entry) {
    // holds_alternative and get rather than get_if: GCC's undefined-behaviour sanitizer
    // turns get_if's null check into something that is no constant expression.
    if (std::holds_alternative<SetDamageCode>(entry.outcome)) {
        return {entry.listText, UntrainedEntryKind::Weapon, entry.minimums,
                std::get<SetDamageCode>(entry.outcome).damageCode};
    }
    return {entry.listText, UntrainedEntryKind::NotAvailable, {}, {}};
}

inline constexpr std::nullopt_t none = std::nullopt;

} // namespace untrained_rows

inline constexpr std::array<UntrainedWeaponEntry, 18> improvisedWeaponTable = [] {
    using namespace untrained_rows;
    return std::array<UntrainedWeaponEntry, 18>{{
        heading("Nahkampwaffen"),
        weapon("bloße Hand (1W6-4)", 1, none, "1W6-4"),
        weapon("Stuhlbein (1W6-3)", 1, none, "1W6-3"),
        weapon("Stuhl (1W6-1)", 31, none, "1W6-1"),
        weapon("Knüppel (1W6-2)", 1, none, "1W6-2"),
        weapon("Küchenbeil (1W6-1)", 21, none, "1W6-1"),
        weapon("Küchenmesser (1W6-2)", 1, none, "1W6-2"),
        weapon("Bratspieß (1W6-2)", 1, none, "1W6-2"),
        weapon("Flasche (1W6-3)", 1, none, "1W6-3"),
        weapon("brennende Fackel (1W6-2/2W6)", 1, none, "1W6-2/2W6"),
        // The minimum applies in fighter 2's window only; fighter 1's tests nothing here.
        {"Raufen+(St+Gw)/20 (1W6-4)", UntrainedEntryKind::Brawling, {1, none}, "1W6-4 (Raufen)"},
        heading("Wurfwaffen"),
        weapon("faustgroßer Stein (1W6-3)", 1, none, "1W6-3"),
        weapon("leere Flasche (1W6-4)", 1, none, "1W6-4"),
        weapon("Stuhl (1W6-2)", 61, none, "1W6-2"),
        weapon("volles Bierfaß (1W6)", 81, none, "1W6"),
        weapon("Felsbrocken (1W6+2)", 81, none, "1W6+2"),
        weapon("brennende Fackel (1W6-2/2W6)", 1, none, "1W6-2/2W6"),
    }};
}();

// Kinds of close-combat weapon first, then the missile weapons of the weapon list, which
// are taken from there so that both lists stay alike.
inline constexpr std::array<UntrainedWeaponEntry, 34> unfamiliarWeaponTable = [] {
    using namespace untrained_rows;
    std::array<UntrainedWeaponEntry, 34> table{{
        weapon("Einhandschwert (1W6-1)", 11, 11, "1W6-1"),
        weapon("Handaxt, Kriegshammer (1W6-1)", 21, none, "1W6-1"),
        weapon("Morgenstern (1W6-1)", 31, 31, "1W6-1"),
        weapon("Spießwaffe (1W6-1)", 1, none, "1W6-1"),
        weapon("Stichwaffe (1W6-1)", 1, none, "1W6-1"),
        weapon("Streitaxt (1W6)", 31, none, "1W6"),
        weapon("Streitkolben (1W6)", 21, none, "1W6"),
        weapon("Zweihandwaffe (1W6+1)", 61, none, "1W6+1"),
    }};
    constexpr std::size_t closeCombatRows = 8;
    static_assert(closeCombatRows + weaponCatalogue.size() - firstMissileCatalogueRow ==
                  table.size());
    for (std::size_t row = firstMissileCatalogueRow; row < weaponCatalogue.size(); ++row) {
        table[closeCombatRows + row - firstMissileCatalogueRow] =
            fromCatalogue(weaponCatalogue[row]);
    }
    return table;
}();

// The improvised and the unfamiliar weapons: what each list is called and what it holds.
struct UntrainedWeaponList {
    std::string_view name;
    std::span<const UntrainedWeaponEntry> table;
};

inline constexpr UntrainedWeaponList improvisedWeaponList{"Improvisierte Waffen",
                                                          improvisedWeaponTable};
inline constexpr UntrainedWeaponList unfamiliarWeaponList{"Unvertraute Waffen",
                                                          unfamiliarWeaponTable};

// Flat attack values of an improvised or unfamiliar weapon.
inline constexpr std::string_view attackValueMinimumsMet = "4";
inline constexpr std::string_view attackValueMinimumsMissed = "0";

// Fighter 1's brawling is the one row that tests nothing and keeps the fighter's own
// attack value; every other weapon row sets the flat attack value from its minimums.
bool setsFlatAttackValue(const UntrainedWeaponEntry& entry, engine::Fighter fighter);

// OK in an improvised- or unfamiliar-weapon window of the given fighter. table is the
// window's list (improvisedWeaponTable or unfamiliarWeaponTable), selectedIndex its
// selected index (-1 when none). A missed minimum never refuses the weapon; it only
// lowers the attack value to "0". The window closes afterwards whatever the result.
ChoiceOutcome confirmUntrainedWeapon(std::span<const UntrainedWeaponEntry> table,
                                     engine::Fighter fighter, int selectedIndex,
                                     std::int32_t strength, std::int32_t dexterity);

} // namespace weapons
