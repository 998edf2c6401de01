#include "weapons/Armour.h"

#include <gtest/gtest.h>
#include <string>

namespace {

constexpr int armourClasses = static_cast<int>(weapons::armourClassEntries.size());
constexpr int protectionValues = static_cast<int>(weapons::protectionValueEntries.size());

TEST(Armour, EntriesStoreTheirIndex) {
    EXPECT_EQ(weapons::armourClassEntries[3], "Kettenrüstung");
    EXPECT_EQ(weapons::armourAfterChange(3, armourClasses, 0), 3);
    EXPECT_EQ(weapons::armourAfterChange(6, armourClasses, 0), 6);
    EXPECT_EQ(weapons::armourAfterChange(0, armourClasses, 6), 0);
    // A protection value entry is its own number, up to more than any armour class gives.
    for (int entry = 0; entry < protectionValues; ++entry) {
        EXPECT_EQ(weapons::protectionValueEntries[static_cast<std::size_t>(entry)],
                  std::to_string(entry));
        EXPECT_EQ(weapons::armourAfterChange(entry, protectionValues, 4), entry);
    }
}

TEST(Armour, NoValidSelectionKeepsTheStoredValue) {
    EXPECT_EQ(weapons::armourAfterChange(-1, armourClasses, 6), 6);
    EXPECT_EQ(weapons::armourAfterChange(-1, protectionValues, 8), 8);
    // An armour class box has no entry 7 even though the protection box has.
    EXPECT_EQ(weapons::armourAfterChange(7, armourClasses, 8), 8);
    EXPECT_EQ(weapons::armourAfterChange(11, protectionValues, 2), 2);
}

} // namespace
