#include "ArmourHints.h"

#include "Armour.h"
#include "toolkit/core/IntegerText.h"

#include <stdexcept>

namespace weapons {

namespace {

// The value a pick of entry index stores, from any value stored before.
std::int32_t valueStoredBy(std::size_t index, std::size_t entryCount) {
    if (index >= entryCount) {
        throw std::out_of_range("no such armour entry");
    }
    return chooseArmour(static_cast<int>(index), static_cast<int>(entryCount), 0).armour;
}

std::string protectionText(std::int32_t value) {
    return std::string(protectionValueTitle) + " " + toolkit::integerText(value);
}

} // namespace

std::int32_t armourClassValue(std::size_t index) {
    return valueStoredBy(index, armourClassEntries.size());
}

std::int32_t protectionValue(std::size_t index) {
    return valueStoredBy(index, protectionValueEntries.size());
}

std::string armourClassHint(std::size_t index) {
    return std::string(armourClassEntries.at(index)) + ": " +
           protectionText(armourClassValue(index));
}

std::string protectionValueHint(std::size_t index) {
    return protectionText(protectionValue(index));
}

} // namespace weapons
