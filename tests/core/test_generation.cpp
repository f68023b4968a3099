// The core's generation where the dialog cannot reach it: picks that name no
// record (the dialog's lists never offer them, another face may pass them),
// and a region code that cannot make a number. The picks, dates and sexes the
// dialog offers are in tests/test_generate_number.cpp, the boxes of the
// refusals in tests/test_refusal_boxes.cpp.
#include <gtest/gtest.h>

#include <string>

#include "core/generation.h"
#include "core/region_tables.h"

namespace {

constexpr int yearLimit = 2030;

struct PickCase {
    RegionPick pick;
    GenerateRefusal refusal;
    int regionCode;
    const char* why;
};

TEST(GenerationPicks, IndexesAndNamesBeyondTheListsNameNoRecord) {
    const int hebei = findUnit(13)->pickerIndex;
    const int beijing = findUnit(11)->pickerIndex;
    const int chongqing = findUnit(50)->pickerIndex;
    const int lastOfChongqing = findUnit(50)->municipalTable->count - 1;
    const PickCase cases[] = {
        {regionFromMunicipalPicks(beijing, 0), GenerateRefusal::none, 110101, "the first district"},
        {regionFromMunicipalPicks(chongqing, lastOfChongqing), GenerateRefusal::none, 500243, "the last county"},
        {regionFromMunicipalPicks(chongqing, lastOfChongqing + 1), GenerateRefusal::unknownRegion, 0,
         "one past the district list"},
        {regionFromMunicipalPicks(municipalityCount, 0), GenerateRefusal::unknownRegion, 0,
         "one past the municipality list"},
        {regionFromProvincialPicks(hebei, 0, "石家庄市", 0, "长安区"), GenerateRefusal::none, 130102,
         "a county under its city"},
        {regionFromProvincialPicks(hebei, 0, "石家庄市", 0, "桥东区"), GenerateRefusal::none, 130103,
         "a repeated name, under the picked city"},
        {regionFromProvincialPicks(hebei, 0, "邢台市", 0, "长安区"), GenerateRefusal::unknownRegion, 0,
         "a county of another city"},
        {regionFromProvincialPicks(hebei, 0, "长安区", 0, "长安区"), GenerateRefusal::unknownRegion, 0,
         "a county's name as the city"},
        {regionFromProvincialPicks(hebei, 0, "阳泉市", 0, "城区"), GenerateRefusal::unknownRegion, 0,
         "a city of another province"},
        {regionFromProvincialPicks(hebei, 0, "石家庄市", 0, "石家庄市"), GenerateRefusal::unknownRegion, 0,
         "the city itself as its county"},
        {regionFromProvincialPicks(provinceCount, 0, "石家庄市", 0, "长安区"), GenerateRefusal::unknownRegion, 0,
         "one past the province list"},
        {regionFromProvincialPicks(-1, -1, nullptr, -1, nullptr), GenerateRefusal::noCity, 0,
         "nothing picked: the names are not read"},
        {regionFromProvincialPicks(hebei, 0, "石家庄市", -1, nullptr), GenerateRefusal::noCounty, 0,
         "no county picked: its name is not read"},
    };
    for (const PickCase& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(c.pick.refusal, c.refusal);
        if (c.refusal == GenerateRefusal::none) {
            EXPECT_EQ(c.pick.regionCode, c.regionCode);
        }
    }
}

TEST(GenerationNumbers, RegionCodesOfOtherThanSixDigitsMakeNoNumber) {
    for (int code : {0, 99999, 1000000, -110101}) {
        const GeneratedNumber generated = generateNumberText(code, "19870102", 8, yearLimit, 7, SexChoice::any);
        EXPECT_EQ(generated.refusal, GenerateRefusal::cannotAssemble) << code;
    }
    // The date is judged first.
    EXPECT_EQ(generateNumberText(99999, "1987010", 7, yearLimit, 7, SexChoice::any).refusal,
              GenerateRefusal::birthDateNotEightBytes);
    EXPECT_EQ(generateNumberText(99999, "20310101", 8, yearLimit, 7, SexChoice::any).refusal,
              GenerateRefusal::birthDateValue);
    // A number made verifies, whatever the code names.
    const GeneratedNumber made = generateNumberText(999999, "20301231", 8, yearLimit, 998, SexChoice::male);
    ASSERT_EQ(made.refusal, GenerateRefusal::none);
    EXPECT_EQ(std::string(made.number, 17), "99999920301231997");
    EXPECT_EQ(verifyNumberText(made.number, 18, 18, yearLimit).refusal, VerifyRefusal::none);
}

}  // namespace
