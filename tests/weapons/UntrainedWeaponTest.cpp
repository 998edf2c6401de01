#include "DamageText.h"
#include "weapons/UntrainedWeapons.h"
#include "weapons/WeaponCatalogue.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace {

using engine::Fighter;
using weapons::ChoiceOutcome;
using weapons::UntrainedEntryKind;
using weapons::UntrainedWeaponEntry;

constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t highest = std::numeric_limits<std::int32_t>::max();

const std::span<const UntrainedWeaponEntry> improvised = weapons::improvisedWeaponTable;
const std::span<const UntrainedWeaponEntry> unfamiliar = weapons::unfamiliarWeaponTable;

const ChoiceOutcome nothing = weapons::NoAction{};
const ChoiceOutcome notSelectable = weapons::ShowErrorMessage{"Das ist nicht auswählbar", "Fehler"};
const ChoiceOutcome notAvailable = weapons::ShowErrorMessage{weapons::notAvailableText, "Fehler"};

// The code, the attack value, and the list text that names the weapon in the log.
ChoiceOutcome writes(std::string_view code, std::string_view attackValue, std::string_view entry) {
    return weapons::SetUntrainedWeapon{code, attackValue, {entry}};
}

int indexOf(std::span<const UntrainedWeaponEntry> table, std::string_view listText) {
    for (std::size_t row = 0; row < table.size(); ++row) {
        if (table[row].listText == listText) {
            return static_cast<int>(row);
        }
    }
    ADD_FAILURE() << "no row " << listText;
    return -1;
}

std::vector<int> rowsOfKind(std::span<const UntrainedWeaponEntry> table, UntrainedEntryKind kind) {
    std::vector<int> rows;
    for (std::size_t row = 0; row < table.size(); ++row) {
        if (table[row].kind == kind) {
            rows.push_back(static_cast<int>(row));
        }
    }
    return rows;
}

TEST(UntrainedWeapons, KindsSitWhereTheListsExpectThem) {
    EXPECT_EQ(rowsOfKind(improvised, UntrainedEntryKind::Heading), (std::vector<int>{0, 11}));
    EXPECT_EQ(rowsOfKind(improvised, UntrainedEntryKind::Brawling), (std::vector<int>{10}));
    EXPECT_TRUE(rowsOfKind(improvised, UntrainedEntryKind::NotAvailable).empty());
    EXPECT_TRUE(rowsOfKind(unfamiliar, UntrainedEntryKind::Heading).empty());
    EXPECT_TRUE(rowsOfKind(unfamiliar, UntrainedEntryKind::Brawling).empty());
    EXPECT_EQ(rowsOfKind(unfamiliar, UntrainedEntryKind::NotAvailable),
              (std::vector<int>{19, 20, 21, 22, 33}));
}

TEST(UntrainedWeapons, WeaponCodesAreTheTextInTheirClosingParentheses) {
    for (const auto table : {improvised, unfamiliar}) {
        for (const UntrainedWeaponEntry& entry : table) {
            if (entry.kind == UntrainedEntryKind::Weapon) {
                EXPECT_EQ(entry.damageCode, weapons_test::closingParenthesised(entry.listText))
                    << entry.listText;
            }
        }
    }
    EXPECT_EQ(improvised[10].damageCode, "1W6-4 (Raufen)");
}

TEST(UntrainedWeapons, UnfamiliarMissilesEqualTheEndOfTheWeaponList) {
    ASSERT_EQ(unfamiliar.size() - 8, weapons::weaponCatalogue.size() - 33);
    for (std::size_t row = 8; row < unfamiliar.size(); ++row) {
        const UntrainedWeaponEntry& entry = unfamiliar[row];
        const weapons::WeaponEntry& listed = weapons::weaponCatalogue[row + 25];
        SCOPED_TRACE(std::string(entry.listText));
        EXPECT_EQ(entry.listText, listed.listText);
        EXPECT_EQ(entry.minimums, listed.minimums);
        const auto* fixed = std::get_if<weapons::SetDamageCode>(&listed.outcome);
        EXPECT_EQ(entry.kind == UntrainedEntryKind::Weapon, fixed != nullptr);
        EXPECT_EQ(entry.damageCode, fixed != nullptr ? fixed->damageCode : std::string_view{});
    }
    const UntrainedWeaponEntry& skhallanta = unfamiliar[26];
    EXPECT_EQ(skhallanta.listText, "Skhallanta (2x(2W6-3))");
    EXPECT_EQ(skhallanta.minimums, (weapons::AttributeMinimums{21, 81}));
    EXPECT_EQ(skhallanta.damageCode, "2x(2W6-3)");
}

// A missed minimum never refuses: the code is written and only the attack value drops.
TEST(UntrainedWeaponSelection, EveryWeaponRowAtItsMinimumsAndOneBelow) {
    for (const auto table : {improvised, unfamiliar}) {
        for (int row = 0; row < static_cast<int>(table.size()); ++row) {
            const UntrainedWeaponEntry& entry = table[static_cast<std::size_t>(row)];
            if (entry.kind != UntrainedEntryKind::Weapon) {
                continue;
            }
            SCOPED_TRACE(std::string(entry.listText));
            const std::int32_t strength = entry.minimums.strength.value_or(lowest);
            const std::int32_t dexterity = entry.minimums.dexterity.value_or(lowest);
            for (const Fighter fighter : engine::bothFighters) {
                EXPECT_EQ(weapons::confirmUntrainedWeapon(table, fighter, row, strength, dexterity),
                          writes(entry.damageCode, "4", entry.listText));
                if (entry.minimums.strength) {
                    EXPECT_EQ(weapons::confirmUntrainedWeapon(table, fighter, row, strength - 1,
                                                              dexterity),
                              writes(entry.damageCode, "0", entry.listText));
                }
                if (entry.minimums.dexterity) {
                    EXPECT_EQ(weapons::confirmUntrainedWeapon(table, fighter, row, strength,
                                                              dexterity - 1),
                              writes(entry.damageCode, "0", entry.listText));
                }
            }
        }
    }
}

TEST(UntrainedWeaponSelection, ImprovisedCases) {
    const auto confirm = [](std::string_view text, std::int32_t strength) {
        return weapons::confirmUntrainedWeapon(improvised, Fighter::First,
                                               indexOf(improvised, text), strength, 0);
    };
    EXPECT_EQ(confirm("Stuhl (1W6-1)", 31), writes("1W6-1", "4", "Stuhl (1W6-1)"));
    EXPECT_EQ(confirm("Stuhl (1W6-1)", 30), writes("1W6-1", "0", "Stuhl (1W6-1)"));
    EXPECT_EQ(confirm("bloße Hand (1W6-4)", 0), writes("1W6-4", "0", "bloße Hand (1W6-4)"));
    EXPECT_EQ(confirm("Stuhl (1W6-2)", 70), writes("1W6-2", "4", "Stuhl (1W6-2)"));
    EXPECT_EQ(confirm("volles Bierfaß (1W6)", 70), writes("1W6", "0", "volles Bierfaß (1W6)"));
    EXPECT_EQ(confirm("Felsbrocken (1W6+2)", 70), writes("1W6+2", "0", "Felsbrocken (1W6+2)"));
    EXPECT_EQ(confirm("Nahkampwaffen", 100), notSelectable);
    EXPECT_EQ(confirm("Wurfwaffen", 100), notSelectable);
}

TEST(UntrainedWeaponSelection, BrawlingDiffersBetweenTheFighters) {
    constexpr std::string_view brawlingText = "Raufen+(St+Gw)/20 (1W6-4)";
    const int brawling = indexOf(improvised, brawlingText);
    for (const std::int32_t strength : {lowest, 0, 1, highest}) {
        EXPECT_EQ(
            weapons::confirmUntrainedWeapon(improvised, Fighter::First, brawling, strength, 0),
            ChoiceOutcome(
                weapons::SetUntrainedWeapon{"1W6-4 (Raufen)", std::nullopt, {brawlingText}}));
    }
    const auto second = [&](std::int32_t strength) {
        return weapons::confirmUntrainedWeapon(improvised, Fighter::Second, brawling, strength,
                                               lowest);
    };
    EXPECT_EQ(second(1), writes("1W6-4 (Raufen)", "4", brawlingText));
    EXPECT_EQ(second(highest), writes("1W6-4 (Raufen)", "4", brawlingText));
    EXPECT_EQ(second(0), writes("1W6-4 (Raufen)", "0", brawlingText));
    EXPECT_EQ(second(-1), writes("1W6-4 (Raufen)", "0", brawlingText));
}

TEST(UntrainedWeaponSelection, UnfamiliarCases) {
    const auto confirm = [](Fighter fighter, std::string_view text, std::int32_t strength,
                            std::int32_t dexterity) {
        return weapons::confirmUntrainedWeapon(unfamiliar, fighter, indexOf(unfamiliar, text),
                                               strength, dexterity);
    };
    for (const Fighter fighter : engine::bothFighters) {
        EXPECT_EQ(confirm(fighter, "Bogen (1W6)", 31, 31), writes("1W6", "4", "Bogen (1W6)"));
        EXPECT_EQ(confirm(fighter, "Bogen (1W6)", 31, 30), writes("1W6", "0", "Bogen (1W6)"));
        EXPECT_EQ(confirm(fighter, "Wurfmesser (1W6-1)", 0, 61),
                  writes("1W6-1", "4", "Wurfmesser (1W6-1)"));
        EXPECT_EQ(confirm(fighter, "Speerschleuder (1W6)", 40, 70),
                  writes("1W6", "4", "Speerschleuder (1W6)"));
        EXPECT_EQ(confirm(fighter, "Speerschleuder (1W6)", 70, 40),
                  writes("1W6", "0", "Speerschleuder (1W6)"));
        EXPECT_EQ(confirm(fighter, "Skhallanta (2x(2W6-3))", 70, 70),
                  writes("2x(2W6-3)", "0", "Skhallanta (2x(2W6-3))"));
        EXPECT_EQ(confirm(fighter, "Stockschleuder (2W6-2)", 70, 70),
                  writes("2W6-2", "0", "Stockschleuder (2W6-2)"));
        EXPECT_EQ(confirm(fighter, "Langbogen (1W6+1)", 70, 70),
                  writes("1W6+1", "4", "Langbogen (1W6+1)"));
        EXPECT_EQ(confirm(fighter, "Blasrohr (Gift)", highest, highest), notAvailable);
        EXPECT_EQ(confirm(fighter, "Lasso (-)", highest, highest), notAvailable);
    }
}

TEST(UntrainedWeaponSelection, NothingSelectedWritesNothing) {
    for (const Fighter fighter : engine::bothFighters) {
        for (const int index : {-1, 34, std::numeric_limits<int>::min()}) {
            EXPECT_EQ(weapons::confirmUntrainedWeapon(unfamiliar, fighter, index, 70, 70), nothing);
        }
        EXPECT_EQ(weapons::confirmUntrainedWeapon(improvised, fighter, -1, 70, 70), nothing);
        EXPECT_EQ(weapons::confirmUntrainedWeapon(improvised, fighter, 18, 70, 70), nothing);
    }
}

} // namespace
