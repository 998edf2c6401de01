#pragma once

#include "ChoiceOutcome.h"
#include "WeaponTableParts.h"
#include "engine/Fighter.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace weapons {

// The nine weapons of the list that ask for an attack mode in a window of their own.
enum class AttackModeWeapon : unsigned char {
    Krummsaebel,
    Lanze,
    Stossspeer,
    Anderthalbhaender,
    Ogerhammer,
    Schlachtbeil,
    Glefe,
    Hellebarde,
    Stielhammer,
};

// One radio button of an attack-mode window.
struct AttackModeOption {
    // Ends with the damage in parentheses.
    std::string_view caption;
    std::string_view damageCode;
    AttributeMinimums minimums;
    // Fighter 2's window shows this caption instead, when it is not empty.
    std::string_view secondFighterCaption = {};
};

struct AttackModeWeaponData {
    AttackModeWeapon weapon;
    // What the chosen weapon is called where it is shown.
    std::string_view name;
    // In the order they are offered.
    std::span<const AttackModeOption> modes;
};

namespace attack_mode_data {

inline constexpr std::array<AttackModeOption, 2> krummsaebel{{
    {"normal (1W6)", "1W6", {}},
    {"reitend (1W6+1)", "1W6+1", {}},
}};
inline constexpr std::array<AttackModeOption, 3> lanze{{
    {"normal (1W6)", "1W6", {}},
    {"Sturmangriff (2W6+2)", "2W6+2", {}},
    {"Sturmangriff zu Pferd (3W6+3)", "3W6+3", {}},
}};
inline constexpr std::array<AttackModeOption, 3> stossspeer{{
    {"normal (1W6)", "1W6", {}},
    {"Sturmangriff (2W6)", "2W6", {}},
    {"Sturmangriff zu Pferd (3W6)", "3W6", {}},
}};
inline constexpr std::array<AttackModeOption, 2> anderthalbhaender{{
    {"einhändig (1W6+1)", "1W6+1", {81, 21}},
    {"zweihändig (1W6+2)", "1W6+2", {31, 21}},
}};
inline constexpr std::array<AttackModeOption, 2> ogerhammer{{
    {"normal (4W6-3)", "4W6-3", {}},
    {"Sturmangriff zu Pferd (4W6)", "4W6", {}},
}};
inline constexpr std::array<AttackModeOption, 2> schlachtbeil{{
    {"einhändig (1W6+1)", "1W6+1", {91, 31}},
    {"zweihändig (1W6+3)", "1W6+3", {61, 31}},
}};
inline constexpr std::array<AttackModeOption, 3> glefe{{
    {"stechend (1W6)", "1W6", {}},
    {"schlagend (1W6+2)", "1W6+2", {}},
    {"Sturmangriff stechend (1W6+2)", "1W6+2", {}, "Sturmmangriff stechend (1W6+2)"},
}};
inline constexpr std::array<AttackModeOption, 3> hellebarde{{
    {"stechend (1W6)", "1W6", {}},
    {"Sturmangriff stechend (1W6+2)", "1W6+2", {}},
    {"schlagend (2W6-1)", "2W6-1", {}},
}};
inline constexpr std::array<AttackModeOption, 3> stielhammer{{
    {"normal (2W6)", "2W6", {}},
    {"stechend (1W6)", "1W6", {}},
    {"Sturmangriff stechend (1W6+1)", "1W6+1", {}},
}};

} // namespace attack_mode_data

// The nine weapons in the order of the enumeration (and of the weapon list).
inline constexpr std::array<AttackModeWeaponData, 9> attackModeWeapons = [] {
    using namespace attack_mode_data;
    using W = AttackModeWeapon;
    return std::array<AttackModeWeaponData, 9>{{
        {W::Krummsaebel, "Krummsäbel", krummsaebel},
        {W::Lanze, "Lanze", lanze},
        {W::Stossspeer, "Stoßspeer", stossspeer},
        {W::Anderthalbhaender, "Anderthalbhänder", anderthalbhaender},
        {W::Ogerhammer, "Ogerhammer", ogerhammer},
        {W::Schlachtbeil, "Schlachtbeil", schlachtbeil},
        {W::Glefe, "Glefe", glefe},
        {W::Hellebarde, "Hellebarde", hellebarde},
        {W::Stielhammer, "Stielhammer", stielhammer},
    }};
}();

// attackModeWeaponData() looks a weapon up by its position.
static_assert([] {
    for (std::size_t position = 0; position < attackModeWeapons.size(); ++position) {
        if (static_cast<std::size_t>(attackModeWeapons[position].weapon) != position) {
            return false;
        }
    }
    return true;
}());

const AttackModeWeaponData& attackModeWeaponData(AttackModeWeapon weapon);

// The mode's text as the given fighter is offered it.
std::string_view captionFor(const AttackModeOption& option, engine::Fighter fighter);

// OK in an attack-mode window. checkedRadio is the position of the checked radio button
// (0 for RadioButton1), none when no button is checked. Only modes with minimums look at
// Stärke and Geschick; the weapon list tested the others before it opened the window.
// The window closes afterwards whatever the result.
ChoiceOutcome confirmAttackMode(AttackModeWeapon weapon, std::optional<int> checkedRadio,
                                std::int32_t strength, std::int32_t dexterity);

} // namespace weapons
