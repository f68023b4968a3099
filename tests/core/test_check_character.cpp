// The MOD 11-2 check character, on stems whose sums are known by hand.
#include <gtest/gtest.h>

#include <string>

#include "core/check_character.h"

namespace {

struct StemCase {
    std::string stem;
    char expected;  // '\0': no check character
    const char* why;
};

const std::string lowest(17, '\x80');
const std::string nearlyLowest = std::string(lowest).replace(7, 1, "\x81");  // weight 1 there
const std::string highest(17, '\x7F');

const StemCase stemCases[] = {
    {"11010519491231002", 'X', "GB 11643 example: sum 167, remainder 2"},
    {"44052418800101001", '4', "sum 195, remainder 8"},
    {"00000000000000000", '1', "sum 0"},
    {"11010119870102007", '6', "the generator's example number 110101198701020076"},
    {"                 ", '\0', "17 spaces: sum -1600, remainder -5"},
    {"abcdefghijklmnopq", '7', "letters are not refused: sum 5648, remainder 5"},
    {"0000000/000000000", '\0', "sum -1: remainder -1, not folded into 10"},
    // Remainders 0-10 give 1 0 X 9 8 7 6 5 4 3 2; the rest of them here, by the
    // weight 1 of position 8 and the weight 2 of position 7.
    {"00000001000000000", '0', "remainder 1"},
    {"00000003000000000", '9', "remainder 3"},
    {"00000004000000000", '8', "remainder 4"},
    {"00000007000000000", '5', "remainder 7"},
    {"00000009000000000", '3', "remainder 9"},
    {"00000050000000000", '2', "remainder 10"},
    // The extremes stay inside a 32-bit sum; bytes 0x80-0xFF count negative.
    {lowest, '1', "sum -17600, a multiple of 11: remainder 0"},
    {nearlyLowest, '\0', "sum -17599, remainder -10"},
    {highest, 'X', "sum 7900, remainder 2"},
};

void PrintTo(const StemCase& c, std::ostream* os) { *os << c.why; }

class CheckCharacterCases : public ::testing::TestWithParam<StemCase> {};

TEST_P(CheckCharacterCases, MatchesHandComputedSum) {
    EXPECT_EQ(computeCheckCharacter(GetParam().stem.c_str()), GetParam().expected) << GetParam().why;
}

INSTANTIATE_TEST_SUITE_P(KnownStems, CheckCharacterCases, ::testing::ValuesIn(stemCases));

}  // namespace

namespace {

// The wide check of 17 digits against the byte-by-byte definition: every
// byte value at every position, and many random stems of digits, some with
// one byte just outside 0-9 ('/' and ':').
TEST(CheckCharacterOfDigits, AgreesWithTheDefinitionOnEveryByte) {
    const auto reference = [](const char* stem) {
        for (int i = 0; i < stemLength; ++i)
            if (stem[i] < '0' || stem[i] > '9') return '\0';
        return computeCheckCharacter(stem);
    };
    char stem[stemLength + 1] = "11010519491231002";
    for (int position = 0; position < stemLength; ++position) {
        const char kept = stem[position];
        for (int byte = 0; byte < 256; ++byte) {
            stem[position] = static_cast<char>(byte);
            ASSERT_EQ(checkCharacterOfDigitsPortable(stem), reference(stem)) << position << " " << byte;
#if defined(__SSE2__)
            ASSERT_EQ(checkCharacterOfDigitsSse2(stem), reference(stem)) << position << " " << byte;
#endif
        }
        stem[position] = kept;
    }
    uint64_t state = 17;
    for (int round = 0; round < 100000; ++round) {
        for (char& c : stem) {
            state = state * 6364136223846793005u + 1442695040888963407u;
            const unsigned draw = static_cast<unsigned>(state >> 33);
            c = static_cast<char>(draw % 64 == 0 ? (draw % 2 == 0 ? '/' : ':') : '0' + draw % 10);
        }
        stem[stemLength] = '\0';
        ASSERT_EQ(checkCharacterOfDigitsPortable(stem), reference(stem)) << stem;
#if defined(__SSE2__)
        ASSERT_EQ(checkCharacterOfDigitsSse2(stem), reference(stem)) << stem;
#endif
    }
}

}  // namespace
