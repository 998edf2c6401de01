#include "toolkit/IntegerText.h"

#include <gtest/gtest.h>

namespace {

TEST(IntegerText, AcceptsLeadingBlanksSignAndHex) {
    EXPECT_EQ(toolkit::tryParseInteger("  -5"), -5);
    EXPECT_EQ(toolkit::tryParseInteger("$10"), 16);
}

} // namespace
