#pragma once

#include "ui/panels/ValueRows.h"

#include <QString>
#include <array>
#include <optional>

namespace roster {

// Where a fighter's weapon was chosen, and which entry: a row of the weapon list (with
// the mode checked in its attack-mode window for a weapon that has one), or a row of the
// improvised- or the unfamiliar-weapon list.
struct StoredWeapon {
    enum class Source { None, WeaponList, Improvised, Unfamiliar };
    Source source = Source::None;
    int row = -1;            // in the list of the source
    std::optional<int> mode; // the attack mode, 0 for RadioButton1
    friend bool operator==(const StoredWeapon&, const StoredWeapon&) = default;
};

// Both armour drop-downs as they show, the "Altenativ" box, and which drop-down set the
// armour value (none when neither's entry gave the stored value).
struct StoredArmour {
    enum class Box { None, ArmourClass, Protection };
    std::optional<int> armourClass; // entry of the "Rüstklasse" drop-down
    std::optional<int> protection;  // entry of the "Rüstungsschutz" drop-down
    bool alternative = false;
    Box chosenIn = Box::None;
    friend bool operator==(const StoredArmour&, const StoredArmour&) = default;
};

// One fighter of the roster: what the user entered in a fighter panel.
struct StoredFighter {
    QString name;
    std::array<QString, ui::valueRowCount> values; // the field texts as typed, in row order
    StoredWeapon weapon;
    StoredArmour armour;
    bool fireSensitive = false;
    friend bool operator==(const StoredFighter&, const StoredFighter&) = default;
};

} // namespace roster
