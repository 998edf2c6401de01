#pragma once

#include "AttackModes.h"
#include "ChoiceOutcome.h"
#include "WeaponTableParts.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace weapons {

// One line of a fighter's weapon list and what choosing it does once the minimums are met:
// write its code at once, open the weapon's attack-mode window, or, for a weapon that is
// listed but not available, refuse it with a message whatever the fighter's values.
struct WeaponEntry {
    std::string_view listText;
    AttributeMinimums minimums;
    ChoiceOutcome outcome;
};

namespace catalogue_rows {

constexpr WeaponEntry fixed(std::string_view text, std::optional<std::int32_t> strength,
                            std::optional<std::int32_t> dexterity, std::string_view code) {
    return {text, {strength, dexterity}, SetDamageCode{code, {text}}};
}

constexpr WeaponEntry window(std::string_view text, std::optional<std::int32_t> strength,
                             std::optional<std::int32_t> dexterity, AttackModeWeapon weapon) {
    return {text, {strength, dexterity}, OpenAttackModeWindow{weapon}};
}

constexpr WeaponEntry notAvailable(std::string_view text) {
    return {text, {}, ShowErrorMessage{notAvailableText}};
}

inline constexpr std::nullopt_t none = std::nullopt;

} // namespace catalogue_rows

// Both fighters' weapon lists, in list order; a row's position is its line index.
inline constexpr std::array<WeaponEntry, 59> weaponCatalogue = [] {
    using namespace catalogue_rows;
    using W = AttackModeWeapon;
    return std::array<WeaponEntry, 59>{{
        fixed("Dolch (1W6-1)", none, 1, "1W6-1"),
        fixed("Fuchtel (1W6+1)", 61, 31, "1W6+1"),
        fixed("Kurzschwert (1W6)", none, 1, "1W6"),
        fixed("Ochsenzunge (2W6-4)", none, 31, "2W6-4"),
        fixed("Rapier (1W6)", 11, 51, "1W6"),
        window("Krummsäbel (1W6/1W6+1)", 11, 31, W::Krummsaebel),
        fixed("Langschwert (1W6+1)", 21, 31, "1W6+1"),
        fixed("Handaxt (1W6)", 11, none, "1W6"),
        fixed("Keule (1W6-1)", 1, none, "1W6-1"),
        fixed("Kriegshammer (1W6)", 61, 11, "1W6"),
        fixed("Streitaxt (1W6+1)", 61, 11, "1W6+1"),
        fixed("Streitkolben (1W6)", 31, none, "1W6"),
        window("Lanze (1W6/2W6+2/3W6+3)", 61, 11, W::Lanze),
        fixed("Speer, leicher (1W6-1)", none, 1, "1W6-1"),
        window("Stoßspeer (1W6/2W6/3W6)", 31, 11, W::Stossspeer),
        window("Anderthalbhänder (1W6+2/1W6+1)", none, none, W::Anderthalbhaender),
        fixed("Bihänder (2W6)", 61, 31, "2W6"),
        window("Ogerhammer (4W6-3/4W6)", 91, 31, W::Ogerhammer),
        window("Schlachtbeil (1W6+3/1W6+1)", 61, 31, W::Schlachtbeil),
        fixed("Stabkeule (2W6-2)", 81, none, "2W6-2"),
        window("Glefe (1W6/1W6+2/1W6+2)", 11, 61, W::Glefe),
        window("Hellebarde (1W6/1W6+2/2W6-1)", 61, 61, W::Hellebarde),
        window("Stielhammer (1W6/1W6+1/2W6)", 31, none, W::Stielhammer),
        fixed("Kriegsflegel (2W6-1)", 61, 31, "2W6-1"),
        fixed("Morgenstern (1W6+2)", 61, 61, "1W6+2"),
        fixed("NunChaku (1W6-1)", 31, 61, "1W6-1"),
        notAvailable("Faustkampf (1W6-4)"),
        notAvailable("Waffenloser Kampf (1W6-4)"),
        fixed("Magierstab (1W6)", none, 31, "1W6"),
        fixed("Magierstecken (1W6+1)", 31, 61, "1W6+1"),
        notAvailable("Kampfstab (1W6)"),
        notAvailable("Peitsche (1W6-3)"),
        notAvailable("Garotte (Erwürgen)"),
        // From here to the end the rows are also the missile part of the unfamiliar weapons.
        fixed("Speerschleuder (1W6)", 31, 61, "1W6"),
        fixed("Wurfspeer (1W6-1)", 31, 21, "1W6-1"),
        fixed("Wurfspieß (1W6)", 61, 21, "1W6"),
        fixed("Wurfmesser (1W6-1)", none, 61, "1W6-1"),
        fixed("Wurfaxt (1W6)", 31, 31, "1W6"),
        fixed("Wurfeisen (1W6)", 61, 61, "1W6"),
        fixed("Wurfhammer (1W6)", 61, 31, "1W6"),
        fixed("Wurfkeule (1W6-1)", 31, 31, "1W6-1"),
        fixed("Wurfpfeil (1W6-2)", 11, 31, "1W6-2"),
        fixed("Wurfscheibe (1W6-2)", 61, 61, "1W6-2"),
        fixed("Wurfstern (1W6-3)", none, 61, "1W6-3"),
        notAvailable("Werfen (variabel)"),
        notAvailable("Bola (1W6-2)"),
        notAvailable("Lasso (-)"),
        notAvailable("Netz (1W6-1)"),
        fixed("Armbrust, leichte (1W6)", none, 31, "1W6"),
        fixed("Armrust, schwere (2W6-1)", 61, 31, "2W6-1"),
        fixed("Handarmbrust (1W6-1)", none, 31, "1W6-1"),
        fixed("Skhallanta (2x(2W6-3))", 21, 81, "2x(2W6-3)"),
        fixed("Bogen (1W6)", 31, 31, "1W6"),
        fixed("Kompositbogen (1W6+1)", 61, 31, "1W6+1"),
        fixed("Kurzbogen (1W6-1)", 11, 31, "1W6-1"),
        fixed("Langbogen (1W6+1)", 61, 61, "1W6+1"),
        fixed("Schleuder (1W6)", none, 61, "1W6"),
        fixed("Stockschleuder (2W6-2)", 31, 81, "2W6-2"),
        notAvailable("Blasrohr (Gift)"),
    }};
}();

// First row of the missile weapons that the unfamiliar-weapon list repeats.
inline constexpr std::size_t firstMissileCatalogueRow = 33;

// A line of a fighter's weapon list was selected. index is the list's selected index
// (-1 when none); strength and dexterity are that fighter's Stärke and Geschick.
// A weapon that is not available tests no minimums and is refused whatever they are.
ChoiceOutcome chooseFromCatalogue(int index, std::int32_t strength, std::int32_t dexterity);

} // namespace weapons
