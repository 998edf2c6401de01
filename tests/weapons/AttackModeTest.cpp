#include "DamageText.h"
#include "weapons/AttackModes.h"
#include "weapons/WeaponCatalogue.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

namespace {

using engine::Fighter;
using weapons::AttackModeWeapon;
using weapons::ChoiceOutcome;

constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();

const ChoiceOutcome refused = weapons::ShowErrorMessage{weapons::missingAttributesText, "Fehler"};

// The code, and the weapon as the log names it: window title and mode caption.
ChoiceOutcome writes(std::string_view code, std::string_view weapon, std::string_view mode) {
    return weapons::SetDamageCode{code, {weapon, mode}};
}

std::vector<std::string> sortedCodesOfListText(std::string_view listText) {
    std::vector<std::string> codes;
    std::string_view rest = weapons_test::closingParenthesised(listText);
    while (!rest.empty()) {
        const std::size_t slash = rest.find('/');
        codes.emplace_back(rest.substr(0, slash));
        rest = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash + 1);
    }
    std::sort(codes.begin(), codes.end());
    return codes;
}

TEST(AttackModes, CaptionsEndWithTheirCodeInBothWindows) {
    for (const weapons::AttackModeWeaponData& weapon : weapons::attackModeWeapons) {
        for (const weapons::AttackModeOption& mode : weapon.modes) {
            for (const Fighter fighter : engine::bothFighters) {
                const std::string_view caption = weapons::captionFor(mode, fighter);
                EXPECT_EQ(weapons_test::closingParenthesised(caption), mode.damageCode) << caption;
            }
        }
    }
}

// The list line names the damages of all modes, so the two must not drift apart.
TEST(AttackModes, ModesMatchTheDamagesNamedInTheWeaponList) {
    for (const weapons::WeaponEntry& entry : weapons::weaponCatalogue) {
        const auto* window = std::get_if<weapons::OpenAttackModeWindow>(&entry.outcome);
        if (window == nullptr) {
            continue;
        }
        std::vector<std::string> modeCodes;
        for (const weapons::AttackModeOption& mode :
             weapons::attackModeWeaponData(window->weapon).modes) {
            modeCodes.emplace_back(mode.damageCode);
        }
        std::sort(modeCodes.begin(), modeCodes.end());
        EXPECT_EQ(modeCodes, sortedCodesOfListText(entry.listText)) << entry.listText;
    }
}

TEST(AttackModes, GlefeThirdCaptionDiffersForFighterTwo) {
    const weapons::AttackModeOption& third =
        weapons::attackModeWeaponData(AttackModeWeapon::Glefe).modes[2];
    EXPECT_EQ(weapons::captionFor(third, Fighter::First), "Sturmangriff stechend (1W6+2)");
    EXPECT_EQ(weapons::captionFor(third, Fighter::Second), "Sturmmangriff stechend (1W6+2)");
    const weapons::AttackModeOption& hellebarde =
        weapons::attackModeWeaponData(AttackModeWeapon::Hellebarde).modes[1];
    EXPECT_EQ(weapons::captionFor(hellebarde, Fighter::Second), "Sturmangriff stechend (1W6+2)");
}

TEST(AttackModeSelection, NoCheckedOrUnknownRadioWritesNothing) {
    EXPECT_EQ(weapons::confirmAttackMode(AttackModeWeapon::Lanze, std::nullopt, 100, 100),
              ChoiceOutcome(weapons::NoAction{}));
    EXPECT_EQ(weapons::confirmAttackMode(AttackModeWeapon::Krummsaebel, 2, 100, 100),
              ChoiceOutcome(weapons::NoAction{}));
    EXPECT_EQ(weapons::confirmAttackMode(AttackModeWeapon::Krummsaebel, -1, 100, 100),
              ChoiceOutcome(weapons::NoAction{}));
}

TEST(AttackModeSelection, ModesWithoutMinimumsIgnoreTheAttributes) {
    for (const weapons::AttackModeWeaponData& weapon : weapons::attackModeWeapons) {
        for (std::size_t radio = 0; radio < weapon.modes.size(); ++radio) {
            const weapons::AttackModeOption& mode = weapon.modes[radio];
            if (mode.minimums.strength || mode.minimums.dexterity) {
                continue;
            }
            EXPECT_EQ(
                weapons::confirmAttackMode(weapon.weapon, static_cast<int>(radio), lowest, lowest),
                writes(mode.damageCode, weapon.name, mode.caption))
                << mode.caption;
        }
    }
    EXPECT_EQ(weapons::confirmAttackMode(AttackModeWeapon::Lanze, 2, 0, 0),
              writes("3W6+3", "Lanze", "Sturmangriff zu Pferd (3W6+3)"));
}

TEST(AttackModeSelection, AnderthalbhaenderBoundaries) {
    constexpr auto weapon = AttackModeWeapon::Anderthalbhaender;
    EXPECT_EQ(weapons::confirmAttackMode(weapon, 0, 100, 21),
              writes("1W6+1", "Anderthalbhänder", "einhändig (1W6+1)"));
    EXPECT_EQ(weapons::confirmAttackMode(weapon, 0, 81, 21),
              writes("1W6+1", "Anderthalbhänder", "einhändig (1W6+1)"));
    EXPECT_EQ(weapons::confirmAttackMode(weapon, 0, 80, 21), refused);
    EXPECT_EQ(weapons::confirmAttackMode(weapon, 0, 100, 20), refused);
    EXPECT_EQ(weapons::confirmAttackMode(weapon, 1, 31, 21),
              writes("1W6+2", "Anderthalbhänder", "zweihändig (1W6+2)"));
    EXPECT_EQ(weapons::confirmAttackMode(weapon, 1, 30, 21), refused);
    EXPECT_EQ(weapons::confirmAttackMode(weapon, 1, 31, 20), refused);
    EXPECT_EQ(weapons::confirmAttackMode(weapon, 0, 0, 0), refused);
    EXPECT_EQ(weapons::confirmAttackMode(weapon, 1, 0, 0), refused);
}

TEST(AttackModeSelection, SchlachtbeilBoundaries) {
    constexpr auto weapon = AttackModeWeapon::Schlachtbeil;
    EXPECT_EQ(weapons::confirmAttackMode(weapon, 0, 90, 31), refused);
    EXPECT_EQ(weapons::confirmAttackMode(weapon, 0, 91, 31),
              writes("1W6+1", "Schlachtbeil", "einhändig (1W6+1)"));
    EXPECT_EQ(weapons::confirmAttackMode(weapon, 0, 91, 30), refused);
    EXPECT_EQ(weapons::confirmAttackMode(weapon, 1, 61, 30), refused);
    EXPECT_EQ(weapons::confirmAttackMode(weapon, 1, 60, 31), refused);
    EXPECT_EQ(weapons::confirmAttackMode(weapon, 1, 61, 31),
              writes("1W6+3", "Schlachtbeil", "zweihändig (1W6+3)"));
    EXPECT_EQ(weapons::confirmAttackMode(weapon, 1, lowest, lowest), refused);
}

} // namespace
