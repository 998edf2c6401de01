#pragma once

#include "engine/Fighter.h"
#include "ui/panels/FighterTexts.h"
#include "ui/panels/ValueRows.h"

#include <QString>
#include <array>
#include <cstdint>

namespace ui {

// What a fighter brings into the next round, as the main window shows it: the name the
// texts call the fighter by, the texts of the seven value labels in the order of valueRows, the
// chosen weapon's name (empty when none was chosen since the last new fight), the DamageCode, the
// armour and the fire check box. The log compares these before each round to tell what the user
// changed.
struct FighterSetup {
    QString name;
    std::array<QString, valueRowCount> values;
    QString weapon;
    QString damageCode;
    std::int32_t armour = 0;
    bool fireSensitive = false;

    friend bool operator==(const FighterSetup&, const FighterSetup&) = default;
};

// Indexed by engine::indexOf(fighter).
using FightSetup = std::array<FighterSetup, 2>;

inline FighterNames namesIn(const FightSetup& setup) {
    return {setup[0].name, setup[1].name};
}

// Rows of valueRows whose labels a round rewrites from its results.
inline constexpr std::size_t lifePointsRow = rowShownIn(EventValue::LifePoints);
inline constexpr std::size_t endurancePointsRow = rowShownIn(EventValue::EndurancePoints);

} // namespace ui
