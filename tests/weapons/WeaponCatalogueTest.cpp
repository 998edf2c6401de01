#include "weapons/WeaponCatalogue.h"

#include "DamageText.h"
#include "weapons/AttackModes.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace {

using weapons::ChoiceOutcome;
using weapons::ShowErrorMessage;

constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t highest = std::numeric_limits<std::int32_t>::max();

const ChoiceOutcome refused = ShowErrorMessage{weapons::missingAttributesText, "Fehler"};
const ChoiceOutcome notAvailable = ShowErrorMessage{weapons::notAvailableText, "Fehler"};

int indexOf(std::string_view listText) {
    for (std::size_t row = 0; row < weapons::weaponCatalogue.size(); ++row) {
        if (weapons::weaponCatalogue[row].listText == listText) {
            return static_cast<int>(row);
        }
    }
    ADD_FAILURE() << "no row " << listText;
    return -1;
}

// What an accepted row must lead to, worked out from its list text and the attack-mode
// windows rather than from the outcome the rule reads.
ChoiceOutcome acceptedChoice(const weapons::WeaponEntry& entry) {
    for (const weapons::AttackModeWeaponData& weapon : weapons::attackModeWeapons) {
        if (entry.listText.starts_with(std::string(weapon.name) + " (")) {
            return weapons::OpenAttackModeWindow{weapon.weapon};
        }
    }
    return weapons::SetDamageCode{weapons_test::closingParenthesised(entry.listText),
                                  {entry.listText}};
}

TEST(WeaponCatalogue, CountsOfEachOutcome) {
    int fixed = 0;
    int window = 0;
    int unavailable = 0;
    for (const weapons::WeaponEntry& entry : weapons::weaponCatalogue) {
        fixed += std::holds_alternative<weapons::SetDamageCode>(entry.outcome) ? 1 : 0;
        window += std::holds_alternative<weapons::OpenAttackModeWindow>(entry.outcome) ? 1 : 0;
        unavailable += std::holds_alternative<weapons::ShowErrorMessage>(entry.outcome) ? 1 : 0;
    }
    EXPECT_EQ(fixed, 40);
    EXPECT_EQ(window, 9);
    EXPECT_EQ(unavailable, 10);
}

TEST(WeaponCatalogue, FixedDamageCodeIsTheOutermostParenthesisedText) {
    for (const weapons::WeaponEntry& entry : weapons::weaponCatalogue) {
        if (const auto* fixed = std::get_if<weapons::SetDamageCode>(&entry.outcome)) {
            EXPECT_EQ(fixed->damageCode, weapons_test::closingParenthesised(entry.listText))
                << entry.listText;
        }
    }
    EXPECT_EQ(weapons::chooseFromCatalogue(indexOf("Skhallanta (2x(2W6-3))"), 70, 90),
              ChoiceOutcome(weapons::SetDamageCode{"2x(2W6-3)", {"Skhallanta (2x(2W6-3))"}}));
}

// Each attack-mode weapon is opened by exactly one line, the one that carries its name.
TEST(WeaponCatalogue, EachAttackModeWeaponHasOneLine) {
    for (const weapons::AttackModeWeaponData& weapon : weapons::attackModeWeapons) {
        int lines = 0;
        for (const weapons::WeaponEntry& entry : weapons::weaponCatalogue) {
            const auto* window = std::get_if<weapons::OpenAttackModeWindow>(&entry.outcome);
            if (window != nullptr && window->weapon == weapon.weapon) {
                ++lines;
                EXPECT_TRUE(entry.listText.starts_with(std::string(weapon.name) + " ("))
                    << entry.listText;
            }
        }
        EXPECT_EQ(lines, 1) << weapon.name;
    }
}

TEST(CatalogueSelection, EveryRowAtItsMinimumsAndOneBelow) {
    for (int row = 0; row < static_cast<int>(weapons::weaponCatalogue.size()); ++row) {
        const weapons::WeaponEntry& entry = weapons::weaponCatalogue[static_cast<std::size_t>(row)];
        SCOPED_TRACE(std::string(entry.listText));
        if (std::holds_alternative<weapons::ShowErrorMessage>(entry.outcome)) {
            EXPECT_EQ(weapons::chooseFromCatalogue(row, highest, highest), notAvailable);
            EXPECT_EQ(weapons::chooseFromCatalogue(row, lowest, lowest), notAvailable);
            continue;
        }
        // An attribute without a minimum must not matter even at its lowest value.
        const std::int32_t strength = entry.minimums.strength.value_or(lowest);
        const std::int32_t dexterity = entry.minimums.dexterity.value_or(lowest);
        EXPECT_EQ(weapons::chooseFromCatalogue(row, strength, dexterity), acceptedChoice(entry));
        if (entry.minimums.strength) {
            EXPECT_EQ(weapons::chooseFromCatalogue(row, strength - 1, dexterity), refused);
        }
        if (entry.minimums.dexterity) {
            EXPECT_EQ(weapons::chooseFromCatalogue(row, strength, dexterity - 1), refused);
        }
    }
}

TEST(CatalogueSelection, ZeroAndNegativeAttributes) {
    for (int row = 0; row < static_cast<int>(weapons::weaponCatalogue.size()); ++row) {
        const weapons::WeaponEntry& entry = weapons::weaponCatalogue[static_cast<std::size_t>(row)];
        SCOPED_TRACE(std::string(entry.listText));
        if (entry.minimums.strength || entry.minimums.dexterity) {
            EXPECT_EQ(weapons::chooseFromCatalogue(row, 0, 0), refused);
        }
        if (entry.minimums.strength) {
            EXPECT_EQ(weapons::chooseFromCatalogue(row, -5, highest), refused);
        }
    }
    EXPECT_EQ(
        weapons::chooseFromCatalogue(indexOf("Anderthalbhänder (1W6+2/1W6+1)"), 0, 0),
        ChoiceOutcome(weapons::OpenAttackModeWindow{weapons::AttackModeWeapon::Anderthalbhaender}));
    EXPECT_EQ(weapons::chooseFromCatalogue(indexOf("Dolch (1W6-1)"), 0, 1),
              ChoiceOutcome(weapons::SetDamageCode{"1W6-1", {"Dolch (1W6-1)"}}));
    EXPECT_EQ(weapons::chooseFromCatalogue(indexOf("Keule (1W6-1)"), 1, 0),
              ChoiceOutcome(weapons::SetDamageCode{"1W6-1", {"Keule (1W6-1)"}}));
}

TEST(CatalogueSelection, FuchtelBoundaries) {
    const int fuchtel = indexOf("Fuchtel (1W6+1)");
    EXPECT_EQ(weapons::chooseFromCatalogue(fuchtel, 61, 31),
              ChoiceOutcome(weapons::SetDamageCode{"1W6+1", {"Fuchtel (1W6+1)"}}));
    EXPECT_EQ(weapons::chooseFromCatalogue(fuchtel, 60, 31), refused);
    EXPECT_EQ(weapons::chooseFromCatalogue(fuchtel, 61, 30), refused);
}

TEST(CatalogueSelection, IndexOutsideTheListDoesNothing) {
    for (const int index :
         {-1, 59, 1000, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}) {
        EXPECT_EQ(weapons::chooseFromCatalogue(index, 70, 70), ChoiceOutcome(weapons::NoAction{}))
            << index;
    }
}

} // namespace
