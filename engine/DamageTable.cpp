#include "DamageTable.h"

namespace engine {

const DamageRow* findDamageRow(std::string_view code) {
    for (const DamageRow& row : damageTable) {
        if (row.code == code) {
            return &row;
        }
    }
    return nullptr;
}

bool isRecognisedDamageCode(std::string_view code) {
    return findDamageRow(code) != nullptr;
}

DiceRoll diceRollOf(const DamageRow& row, bool opponentFireSensitive) {
    return (opponentFireSensitive && row.againstFireSensitive) ? *row.againstFireSensitive
                                                               : row.roll;
}

std::optional<std::int32_t> rollDamage(std::string_view code, bool opponentFireSensitive,
                                       DiceSource& dice) {
    const DamageRow* row = findDamageRow(code);
    if (row == nullptr) {
        return std::nullopt;
    }
    const DiceRoll roll = diceRollOf(*row, opponentFireSensitive);
    std::int32_t sum = 0;
    for (std::int32_t die = 0; die < roll.sixSidedDice; ++die) {
        sum += dice.rollW6();
    }
    return sum + roll.modifier;
}

} // namespace engine
