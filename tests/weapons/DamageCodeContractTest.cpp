#include "engine/DamageTable.h"
#include "weapons/AttackModes.h"
#include "weapons/UntrainedWeapons.h"
#include "weapons/WeaponCatalogue.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using weapons::UntrainedEntryKind;

// The round rolls only the codes of its damage table; a weapon writing anything else would
// silently keep the fighter's previous damage.
TEST(DamageCodeContract, EveryCodeAnyTableWritesIsRolled) {
    for (const weapons::WeaponEntry& entry : weapons::weaponCatalogue) {
        if (const auto* fixed = std::get_if<weapons::SetDamageCode>(&entry.outcome)) {
            EXPECT_TRUE(engine::isRecognisedDamageCode(fixed->damageCode)) << entry.listText;
        }
    }
    for (const weapons::AttackModeWeaponData& weapon : weapons::attackModeWeapons) {
        for (const weapons::AttackModeOption& mode : weapon.modes) {
            EXPECT_TRUE(engine::isRecognisedDamageCode(mode.damageCode)) << mode.caption;
        }
    }
    for (const auto table :
         {std::span<const weapons::UntrainedWeaponEntry>(weapons::improvisedWeaponTable),
          std::span<const weapons::UntrainedWeaponEntry>(weapons::unfamiliarWeaponTable)}) {
        for (const weapons::UntrainedWeaponEntry& entry : table) {
            const bool writes = entry.kind == UntrainedEntryKind::Weapon ||
                                entry.kind == UntrainedEntryKind::Brawling;
            EXPECT_EQ(engine::isRecognisedDamageCode(entry.damageCode), writes) << entry.listText;
        }
    }
}

// The lists promise the game's minimums, which are all of the form 10n + 1.
TEST(DamageCodeContract, EveryMinimumIsOneMoreThanAMultipleOfTen) {
    auto check = [](const weapons::AttributeMinimums& minimums, std::string_view owner) {
        for (const auto& minimum : {minimums.strength, minimums.dexterity}) {
            if (minimum) {
                EXPECT_GT(*minimum, 0) << owner;
                EXPECT_EQ(*minimum % 10, 1) << owner;
            }
        }
    };
    for (const weapons::WeaponEntry& entry : weapons::weaponCatalogue) {
        check(entry.minimums, entry.listText);
    }
    for (const weapons::AttackModeWeaponData& weapon : weapons::attackModeWeapons) {
        for (const weapons::AttackModeOption& mode : weapon.modes) {
            check(mode.minimums, mode.caption);
        }
    }
    for (const weapons::UntrainedWeaponEntry& entry : weapons::improvisedWeaponTable) {
        check(entry.minimums, entry.listText);
    }
    for (const weapons::UntrainedWeaponEntry& entry : weapons::unfamiliarWeaponTable) {
        check(entry.minimums, entry.listText);
    }
}

} // namespace
