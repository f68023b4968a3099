// The MOD 11-2 check character, on stems whose sums are known by hand.
#include <gtest/gtest.h>

#include <string>

#include "idnumber/check_character.h"

namespace {

struct StemCase {
    const char* stem;
    char expected;  // '\0': no check character
    const char* why;
};

const StemCase stemCases[] = {
    {"11010519491231002", 'X', "GB 11643 example: sum 167, remainder 2"},
    {"44052418800101001", '4', "sum 195, remainder 8"},
    {"00000000000000000", '1', "sum 0"},
    {"11010119870102007", '6', "the generator's example number 110101198701020076"},
    {"                 ", '\0', "17 spaces: sum -1600, remainder -5"},
    {"abcdefghijklmnopq", '7', "letters are not refused: sum 5648, remainder 5"},
    {"0000000/000000000", '\0', "sum -1: remainder -1, not folded into 10"},
};

class CheckCharacterCases : public ::testing::TestWithParam<StemCase> {};

TEST_P(CheckCharacterCases, MatchesHandComputedSum) {
    const StemCase& c = GetParam();
    EXPECT_EQ(computeCheckCharacter(c.stem), c.expected) << c.why;
}

INSTANTIATE_TEST_SUITE_P(KnownStems, CheckCharacterCases, ::testing::ValuesIn(stemCases));

// Remainders 0-10 map to 1 0 X 9 8 7 6 5 4 3 2. Position 8 has weight 1, so
// zeros with digit r there give remainder r; position 7 (weight 2) with 5 gives 10.
TEST(CheckCharacter, EachRemainderHasItsCharacter) {
    const char expected[11] = {'1', '0', 'X', '9', '8', '7', '6', '5', '4', '3', '2'};
    for (int remainder = 0; remainder <= 10; ++remainder) {
        std::string stem(17, '0');
        if (remainder < 10)
            stem[7] = static_cast<char>('0' + remainder);
        else
            stem[6] = '5';
        EXPECT_EQ(computeCheckCharacter(stem.c_str()), expected[remainder]) << "remainder " << remainder;
    }
}

TEST(CheckCharacter, DigitValuesOfSpecialBytes) {
    EXPECT_EQ(digitValue('0'), 0);
    EXPECT_EQ(digitValue('9'), 9);
    EXPECT_EQ(digitValue('X'), 40);
    EXPECT_EQ(digitValue('x'), 72);
    EXPECT_EQ(digitValue(' '), -16);
    EXPECT_EQ(digitValue('-'), -3);
    EXPECT_EQ(digitValue('\x80'), -176);
    EXPECT_EQ(digitValue('\xFF'), -49);
}

// The extreme stems stay inside a 32-bit sum. -17600 is a multiple of 11, so
// even that negative sum has remainder 0 and the character '1'.
TEST(CheckCharacter, ExtremeBytesNeitherOverflowNorFoldTheSign) {
    const std::string lowest(17, '\x80');   // sum -17600, remainder 0
    const std::string highest(17, '\x7F');  // sum 7900, remainder 2
    std::string nearlyLowest = lowest;
    nearlyLowest[7] = '\x81';               // sum -17599, remainder -10
    EXPECT_EQ(computeCheckCharacter(lowest.c_str()), '1');
    EXPECT_EQ(computeCheckCharacter(nearlyLowest.c_str()), '\0');
    EXPECT_EQ(computeCheckCharacter(highest.c_str()), 'X');
}

}  // namespace
