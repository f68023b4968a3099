// The shared number rules on their own: slices, date limits, the check with
// its digit-only stem, sequence numbers and assembly.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "idnumber/number_rules.h"

namespace {

TEST(NumberRules, SliceConversionSeesOnlyItsOwnBytes) {
    const char number[] = "110105194912310021";
    EXPECT_EQ(sliceToInt(number, 6, 4), 1949);
    EXPECT_EQ(sliceToInt(number, 10, 2), 12);   // the next byte is a digit too
    EXPECT_EQ(sliceToInt(number, 0, 4), 1101);
    EXPECT_EQ(sliceToInt(" -7x9", 0, 4), -7);   // atoi: space, sign, digits
    EXPECT_EQ(sliceToInt("ab12", 0, 4), 0);

    const BirthDate date = birthDateAt("20120231");
    EXPECT_EQ(date.year, 2012);
    EXPECT_EQ(date.month, 2);
    EXPECT_EQ(date.day, 31);
}

TEST(NumberRules, DateLimitsAreUpperOnly) {
    const int limit = 2030;
    EXPECT_TRUE(withinDateLimits({2030, 12, 31}, limit));
    EXPECT_FALSE(withinDateLimits({2031, 1, 1}, limit));
    EXPECT_FALSE(withinDateLimits({1987, 13, 1}, limit));
    EXPECT_FALSE(withinDateLimits({1987, 1, 32}, limit));
    EXPECT_TRUE(withinDateLimits({0, 0, 0}, limit));
    EXPECT_TRUE(withinDateLimits({2012, 2, 31}, limit));  // no calendar
    EXPECT_TRUE(withinDateLimits({-5, -1, -1}, limit));
}

TEST(NumberRules, LettersInTheStemFailTheCheck) {
    EXPECT_TRUE(passesCheck("11010519491231002X"));
    EXPECT_FALSE(passesCheck("11010519491231002x"));
    // abcdefghijklmnopq has the check character 7 by its sum, but is no stem.
    EXPECT_EQ(computeCheckCharacter("abcdefghijklmnopq"), '7');
    EXPECT_FALSE(passesCheck("abcdefghijklmnopq7"));
    // 16 digits and one double-byte character are 18 bytes.
    const std::string withChinese = std::string("1101051949123100") + "中";
    ASSERT_EQ(withChinese.size(), 18u);
    EXPECT_FALSE(passesCheck(withChinese.c_str()));
    // A single non-digit anywhere in the stem.
    EXPECT_FALSE(passesCheck("11010519491231/02X"));
}

TEST(NumberRules, SequenceNumberTakesTheNeighbourOfTheChosenSex) {
    struct Case {
        int drawn;
        SexChoice sex;
        int expected;
    };
    const Case cases[] = {
        {7, SexChoice::any, 7},      {7, SexChoice::male, 7},     {7, SexChoice::female, 8},
        {998, SexChoice::male, 997}, {998, SexChoice::female, 998}, {997, SexChoice::female, 998},
        {999, SexChoice::any, 0},    {999, SexChoice::male, 1},   {32767, SexChoice::any, 799},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sequenceNumberFor(c.drawn, c.sex), c.expected) << c.drawn;

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

TEST(NumberRules, AssembledNumberHasThreeDigitSequenceAndCheck) {
    char number[numberLength + 1];
    ASSERT_TRUE(assembleNumber(number, 110101, "19870102", 7));
    EXPECT_STREQ(number, "110101198701020076");
    ASSERT_TRUE(assembleNumber(number, 110101, "19870102", 42));
    EXPECT_EQ(std::string(number).substr(14, 3), "042");
    ASSERT_TRUE(assembleNumber(number, 110101, "19870102", 0));
    EXPECT_EQ(std::string(number).substr(14, 3), "000");
    ASSERT_TRUE(assembleNumber(number, 110101, "19870102", 998));
    EXPECT_EQ(std::string(number).substr(14, 3), "998");
    EXPECT_TRUE(passesCheck(number));

    // Codes that are not six digits make no number.
    EXPECT_FALSE(assembleNumber(number, 99999, "19870102", 7));
    EXPECT_FALSE(assembleNumber(number, 1101011, "19870102", 7));
    EXPECT_FALSE(assembleNumber(number, -11010, "19870102", 7));
    EXPECT_FALSE(assembleNumber(number, 110101, "19870102", 999));
}

TEST(NumberRules, RunTimeSourceIsTimeSrandAndRand) {
    setClockAndGenerator(nullptr);
    const ClockAndGenerator& source = clockAndGenerator();
    const time_t before = time(nullptr);
    const time_t now = source.now();
    EXPECT_LE(before, now);
    EXPECT_LE(now, time(nullptr));
    srand(12345u);
    const int expected = rand();
    source.seed(12345u);
    EXPECT_EQ(source.draw(), expected);
}

}  // namespace
