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

std::optional<std::int32_t> rollDamage(std::string_view code, bool opponentFireSensitive,
                                       DiceGenerator& dice) {
    const DamageRow* row = findDamageRow(code);
    if (row == nullptr) {
        return std::nullopt;
    }
    const DiceRoll roll = (opponentFireSensitive && row->againstFireSensitive)
                              ? *row->againstFireSensitive
                              : row->roll;
    std::int32_t sum = 0;
    for (std::int32_t die = 0; die < roll.sixSidedDice; ++die) {
        sum += dice.rollW6();
    }
    return sum + roll.modifier;
}

} // namespace engine
