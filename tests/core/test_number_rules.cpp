// The shared number rules on their own, without a dialog: date limits, the
// digit-only check, the sequence number for a sex and assembly. (The dialog's
// run-time clock and generator: tests/test_generate_number.cpp.)
#include <gtest/gtest.h>

#include <string>

#include "core/number_rules.h"

namespace {

TEST(NumberRules, DateLimitsAreUpperOnlyAndPerPart) {
    const int limit = 2030;
    EXPECT_TRUE(withinDateLimits({2030, 12, 31}, limit));
    EXPECT_TRUE(withinDateLimits({0, 0, 0}, limit));
    EXPECT_TRUE(withinDateLimits({2012, 2, 31}, limit));  // no calendar
    EXPECT_FALSE(withinDateLimits({2031, 1, 1}, limit));
    EXPECT_FALSE(withinDateLimits({1987, 13, 1}, limit));
    EXPECT_FALSE(withinDateLimits({1987, 1, 32}, limit));
    const BirthDate date = birthDateAt("20120231");
    EXPECT_EQ(date.year * 10000 + date.month * 100 + date.day, 20120231);
}

TEST(NumberRules, OnlyDigitStemsPassTheCheck) {
    EXPECT_TRUE(passesCheck("11010519491231002X"));
    EXPECT_FALSE(passesCheck("11010519491231002x"));
    EXPECT_EQ(computeCheckCharacter("abcdefghijklmnopq"), '7');  // its sum fits, but it is no stem
    EXPECT_FALSE(passesCheck("abcdefghijklmnopq7"));
    EXPECT_FALSE(passesCheck((std::string("1101051949123100") + "中").c_str()));
    EXPECT_FALSE(passesCheck("11010519491231/02X"));
    EXPECT_TRUE(isMaleCharacter('1'));
    EXPECT_FALSE(isMaleCharacter('0'));
    EXPECT_FALSE(isMaleCharacter('\xB3'));  // odd byte, negative digit value
}

TEST(NumberRules, SequenceNumberTakesTheNeighbourOfTheChosenSex) {
    EXPECT_EQ(sequenceNumberFor(7, SexChoice::female), 8);
    EXPECT_EQ(sequenceNumberFor(998, SexChoice::male), 997);
    // Every draw of either generator's range lands in 0-998, with the chosen
    // parity, and at most one away from the plain draw.
    for (int drawn = 0; drawn < 70000; ++drawn) {
        const int plain = sequenceNumberFor(drawn, SexChoice::any);
        const int male = sequenceNumberFor(drawn, SexChoice::male);
        const int female = sequenceNumberFor(drawn, SexChoice::female);
        ASSERT_EQ(plain, drawn % 999);
        ASSERT_TRUE(male >= 0 && male <= 998 && male % 2 == 1 && std::abs(male - plain) <= 1) << drawn;
        ASSERT_TRUE(female >= 0 && female <= 998 && female % 2 == 0 && std::abs(female - plain) <= 1) << drawn;
    }
}

TEST(NumberRules, AssemblyPadsTheSequenceAndRefusesOtherCodes) {
    char number[numberLength + 1];
    ASSERT_TRUE(assembleNumber(number, 110101, "19870102", 7));
    EXPECT_STREQ(number, "110101198701020076");
    ASSERT_TRUE(assembleNumber(number, 110101, "19870102", 42));
    EXPECT_EQ(std::string(number).substr(14, 3), "042");
    EXPECT_FALSE(assembleNumber(number, 99999, "19870102", 7));
    EXPECT_FALSE(assembleNumber(number, -11010, "19870102", 7));
    EXPECT_FALSE(assembleNumber(number, 110101, "19870102", 999));
}

}  // namespace
