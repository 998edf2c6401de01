#pragma once

#include "DiceSource.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace engine {

// nW6 plus a modifier.
struct DiceRoll {
    std::int32_t sixSidedDice;
    std::int32_t modifier;
};

// One recognised DamageCode. The burning torch rolls differently against an opponent
// who is sensitive to fire; every other code rolls the same either way.
struct DamageRow {
    std::string_view code;
    DiceRoll roll;
    std::optional<DiceRoll> againstFireSensitive;
};

// Every code a weapon may write, in the order they are matched.
inline constexpr std::array<DamageRow, 22> damageTable{{
    {"1W6-4 (Raufen)", {1, -4}, std::nullopt},
    {"1W6-2/2W6", {1, -2}, DiceRoll{2, 0}},
    {"1W6-4", {1, -4}, std::nullopt},
    {"1W6-3", {1, -3}, std::nullopt},
    {"1W6-2", {1, -2}, std::nullopt},
    {"1W6-1", {1, -1}, std::nullopt},
    {"1W6", {1, 0}, std::nullopt},
    {"1W6+1", {1, 1}, std::nullopt},
    {"1W6+2", {1, 2}, std::nullopt},
    {"1W6+3", {1, 3}, std::nullopt},
    {"2W6-4", {2, -4}, std::nullopt},
    {"2W6-2", {2, -2}, std::nullopt},
    {"2W6-1", {2, -1}, std::nullopt},
    {"2W6", {2, 0}, std::nullopt},
    {"2W6+1", {2, 1}, std::nullopt},
    {"2W6+2", {2, 2}, std::nullopt},
    {"2W6+3", {2, 3}, std::nullopt},
    {"3W6", {3, 0}, std::nullopt},
    {"3W6+3", {3, 3}, std::nullopt},
    {"4W6-3", {4, -3}, std::nullopt},
    {"4W6", {4, 0}, std::nullopt},
    {"2x(2W6-3)", {4, -6}, std::nullopt},
}};

// The row whose code equals the text exactly (case and blanks count), if any.
const DamageRow* findDamageRow(std::string_view code);

bool isRecognisedDamageCode(std::string_view code);

// The dice a row rolls against an opponent who is or is not sensitive to fire.
DiceRoll diceRollOf(const DamageRow& row, bool opponentFireSensitive);

// Rolls the damage of a DamageCode; no value and no draw for an unknown code.
std::optional<std::int32_t> rollDamage(std::string_view code, bool opponentFireSensitive,
                                       DiceSource& dice);

} // namespace engine
