#include "toolkit/core/IntegerText.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace {

using toolkit::tryParseInteger;

constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();

TEST(IntegerText, AcceptsDecimalWithOptionalSignAfterLeadingBlanks) {
    EXPECT_EQ(tryParseInteger("0"), 0);
    EXPECT_EQ(tryParseInteger("15"), 15);
    EXPECT_EQ(tryParseInteger("+15"), 15);
    EXPECT_EQ(tryParseInteger("-15"), -15);
    EXPECT_EQ(tryParseInteger("-0"), 0);
    EXPECT_EQ(tryParseInteger("   7"), 7);
    EXPECT_EQ(tryParseInteger(" +7"), 7);
    EXPECT_EQ(tryParseInteger("  -5"), -5);
    EXPECT_EQ(tryParseInteger("007"), 7);
}

TEST(IntegerText, AcceptsHexAfterEachPrefixInEitherCase) {
    EXPECT_EQ(tryParseInteger("$1F"), 31);
    EXPECT_EQ(tryParseInteger("$1f"), 31);
    EXPECT_EQ(tryParseInteger("x1F"), 31);
    EXPECT_EQ(tryParseInteger("X1f"), 31);
    EXPECT_EQ(tryParseInteger("0x1F"), 31);
    EXPECT_EQ(tryParseInteger("0XaB"), 171);
    EXPECT_EQ(tryParseInteger("-$10"), -16);
    EXPECT_EQ(tryParseInteger("  +0x10"), 16);
    EXPECT_EQ(tryParseInteger("$0"), 0);
}

TEST(IntegerText, RejectsIncompleteNumbers) {
    for (const char* text :
         {"", " ", "   ", "+", "-", " -", "$", "x", "X", "0x", "-0x", "$-5", "+-5", "--5", "- 5"}) {
        EXPECT_EQ(tryParseInteger(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(IntegerText, RejectsEveryOtherCharacter) {
    for (const char* text : {"\t5", "5\t", "5 ", " 5 ", "\n5", "1.5", "1,5", "1e3", "12a", "$1G",
                             "0x1G", "0b101", "0y1", "zwölf", "5ä", "Ä", "1 000", "$ 1", "0x 1"}) {
        EXPECT_EQ(tryParseInteger(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(IntegerText, AcceptsExactlyTheSigned32BitRange) {
    EXPECT_EQ(tryParseInteger("2147483647"), int32Max);
    EXPECT_EQ(tryParseInteger("-2147483648"), int32Min);
    EXPECT_EQ(tryParseInteger("$7FFFFFFF"), int32Max);
    EXPECT_EQ(tryParseInteger("-$80000000"), int32Min);
    EXPECT_EQ(tryParseInteger("0000000000002147483647"), int32Max);

    EXPECT_EQ(tryParseInteger("2147483648"), std::nullopt);
    EXPECT_EQ(tryParseInteger("+2147483648"), std::nullopt);
    EXPECT_EQ(tryParseInteger("-2147483649"), std::nullopt);
    EXPECT_EQ(tryParseInteger("4294967296"), std::nullopt);
    EXPECT_EQ(tryParseInteger("$80000000"), std::nullopt);
    EXPECT_EQ(tryParseInteger("$FFFFFFFF"), std::nullopt);
    EXPECT_EQ(tryParseInteger("-$80000001"), std::nullopt);
    EXPECT_EQ(tryParseInteger("18446744073709551616"), std::nullopt);
}

TEST(IntegerText, RejectsHugeNumbersWithoutWrappingAround) {
    EXPECT_EQ(tryParseInteger(std::string(10000, '9')), std::nullopt);
    EXPECT_EQ(tryParseInteger("-" + std::string(10000, '9')), std::nullopt);
    EXPECT_EQ(tryParseInteger("$" + std::string(10000, 'F')), std::nullopt);
    // 2^64 + 5 would come out as 5 if the magnitude wrapped.
    EXPECT_EQ(tryParseInteger("18446744073709551621"), std::nullopt);
    EXPECT_EQ(tryParseInteger(std::string(10000, '0') + "42"), 42);
}

TEST(IntegerText, ParseThrowsTheUserVisibleMessage) {
    EXPECT_EQ(toolkit::parseInteger(" -12"), -12);
    const auto messageFor = [](const std::string& text) -> std::string {
        try {
            toolkit::parseInteger(text);
        } catch (const toolkit::ConversionError& error) {
            return error.what();
        }
        return "(no error)";
    };
    // Plain typed text appears as typed; a right-to-left override is kept and closed
    // inside FIRST STRONG ISOLATE (E2 81 A8) ... POP DIRECTIONAL ISOLATE (E2 81 A9).
    EXPECT_EQ(messageFor(""), "'' ist kein g\xC3\xBCltiger Integerwert");
    EXPECT_EQ(messageFor("15 "), "'15 ' ist kein g\xC3\xBCltiger Integerwert");
    EXPECT_EQ(messageFor("f\xC3\xBC"
                         "nf"),
              "'f\xC3\xBCnf' ist kein g\xC3\xBCltiger Integerwert");
    EXPECT_EQ(messageFor("15\xE2\x80\xAE ,nedrow"),
              "'\xE2\x81\xA8"
              "15\xE2\x80\xAE ,nedrow\xE2\x80\xAC\xE2\x81\xA9' ist kein g\xC3\xBCltiger "
              "Integerwert");
}

TEST(IntegerText, WritesPlainDecimal) {
    EXPECT_EQ(toolkit::integerText(0), "0");
    EXPECT_EQ(toolkit::integerText(42), "42");
    EXPECT_EQ(toolkit::integerText(-3), "-3");
    EXPECT_EQ(toolkit::integerText(int32Max), "2147483647");
    EXPECT_EQ(toolkit::integerText(int32Min), "-2147483648");
}

TEST(IntegerText, ReadsBackWhatItWrites) {
    for (const std::int32_t value : {int32Min, int32Min + 1, -1000, -1, 0, 1, 999, int32Max}) {
        EXPECT_EQ(tryParseInteger(toolkit::integerText(value)), value);
    }
}

} // namespace
