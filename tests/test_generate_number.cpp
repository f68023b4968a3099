// The generate button, through the dialog: region picks in either mode, the
// birth date, the clock-seeded draw and the sex, and every refusal; the
// number rules below it where the dialog cannot reach them in full; and the
// run-time clock and generator a press uses.
#include <cstdlib>
#include <ctime>
#include <string>

#include "programs/dialog/resource_ids.h"
#include "core/number_rules.h"
#include "programs/dialog/clock_and_generator.h"
#include "tests/dialog_harness.h"

namespace {

// 2030-07-01 12:00 UTC: the same calendar year in every time zone.
constexpr time_t year2030 = 1909137600;
time_t clockNow = year2030;
int nextDraw = 0, seedCount = 0, drawCount = 0;
unsigned lastSeed = 0;

time_t fakeNow() { return clockNow; }
const ClockAndGenerator fakeSource = {fakeNow, [](unsigned seed) { lastSeed = seed, ++seedCount; },
                                      [] { return ++drawCount, nextDraw; }};

class GenerateNumberTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        clockNow = year2030;
        nextDraw = seedCount = drawCount = 0;
        setClockAndGenerator(&fakeSource);  // the fixture puts back the run-time's
    }

    // Checks a mode and picks down its lists: municipality and district, or
    // province, city and county (consecutive IDs).
    void pickRegion(std::initializer_list<const char*> names) {
        const bool municipal = names.size() == 2;
        click(municipal ? IDC_MUNICIPALITY_MODE : IDC_PROVINCE_MODE);
        int list = municipal ? IDC_MUNICIPALITY_LIST : IDC_PROVINCE_LIST;
        for (const char* name : names) pickText(list++, name);
    }
    std::string generate(const std::string& birthDate, int draw = 7) {
        setText(IDC_BIRTH_DATE_FIELD, birthDate);
        nextDraw = draw;
        click(IDC_GENERATE_BUTTON);
        return text(IDC_RESULT_FIELD);
    }
};

TEST_F(GenerateNumberTest, OneClockSeededDrawMakesAThreeDigitSequence) {
    pickRegion({"北京", "东城区"});
    EXPECT_EQ(generate("19870102", 7), "110101198701020076");
    EXPECT_TRUE(takeBoxes().empty());
    EXPECT_EQ(seedCount, 1);
    EXPECT_EQ(drawCount, 1);
    EXPECT_EQ(lastSeed, static_cast<unsigned>(clockNow));
    // Seeded anew from the clock on every press, so one second gives one number.
    clockNow += 5;
    generate("19870102", 7);
    EXPECT_EQ(seedCount, 2);
    EXPECT_EQ(lastSeed, static_cast<unsigned>(clockNow));
    for (const auto& [draw, sequence] : {std::pair<int, const char*>{42, "042"}, {0, "000"}, {998, "998"},
                                         {999, "000"}})
        EXPECT_EQ(generate("19870102", draw).substr(14, 3), sequence) << draw;
}

// A draw of the wrong parity moves to its neighbour (every draw is covered by
// the number-rules test) instead of giving up.
TEST_F(GenerateNumberTest, ChosenSexAlwaysGetsANumber) {
    pickRegion({"北京", "东城区"});
    pick(IDC_SEX_LIST, 1);  // 女
    EXPECT_EQ(generate("19870102", 7), "110101198701020084");
    EXPECT_EQ(generate("19870102", 10).substr(14, 3), "010");
    pick(IDC_SEX_LIST, 0);  // 男
    EXPECT_EQ(generate("19870102", 998).substr(14, 3), "997");
    EXPECT_EQ(generate("19870102", 7).substr(14, 3), "007");
    EXPECT_TRUE(takeBoxes().empty());
}

TEST_F(GenerateNumberTest, CountyIsLookedUpUnderPickedCity) {
    pickRegion({"山西省", "阳泉市", "城区"});
    EXPECT_EQ(generate("19870102").substr(0, 6), "140302");
    pickRegion({"河北省", "邢台市", "桥东区"});
    EXPECT_EQ(generate("19870102").substr(0, 6), "130502");
    pickRegion({"河北省", "石家庄市", "桥东区"});
    EXPECT_EQ(generate("19870102").substr(0, 6), "130103");
    pickRegion({"河南省", "驻马店市", "济源市"});
    EXPECT_EQ(generate("19870102").substr(0, 6), "419001");
}

TEST_F(GenerateNumberTest, MissingPicksAreAskedForBeforeTheDateAndKeepTheLastNumber) {
    setText(IDC_RESULT_FIELD, "last");
    click(IDC_MUNICIPALITY_MODE);
    generate("1987010");
    expectOnlyBox("请选择市", "提示", dialog, true);
    pickText(IDC_MUNICIPALITY_LIST, "天津");
    generate("1987010");
    expectOnlyBox("请选择区（县）", "提示", dialog, true);

    click(IDC_PROVINCE_MODE);
    generate("1987010");
    expectOnlyBox("请选择市", "提示", dialog, true);
    pickText(IDC_PROVINCE_LIST, "河北省");
    pickText(IDC_CITY_LIST, "石家庄市");
    generate("1987010");
    expectOnlyBox("请选择县", "提示", dialog, true);
    pickText(IDC_COUNTY_LIST, "长安区");
    pickText(IDC_PROVINCE_LIST, "山西省");  // empties the city and county lists
    generate("19870102");
    expectOnlyBox("请选择市", "提示", dialog, true);
    EXPECT_EQ(drawCount, 0);
    EXPECT_EQ(text(IDC_RESULT_FIELD), "last");
}

TEST_F(GenerateNumberTest, BirthDateMustBeEightDigitsWithinLimits) {
    pickRegion({"河北省", "石家庄市", "长安区"});
    const std::string good = generate("19870102");
    ASSERT_EQ(good.size(), 18u);
    // The length is the whole field's: "19870102中" is 10 bytes, and a read cut
    // at 9 may keep only its 8 digits.
    for (const char* wrongLength : {"", "1987010", "198701021", "198701021234", "19870102中", "1987010中"}) {
        EXPECT_EQ(generate(wrongLength), good) << wrongLength;
        expectOnlyBox("出生日期为8位", "错误！", nullptr, false);
    }
    // Eight bytes, but pasted text that is not all digits, or beyond the limits
    // (the clock says 2030).
    for (const char* refused :
         {"1987ab02", " 1987010", "+1987010", "中文0102", "1987010X", "20310101", "19871301", "19870132"}) {
        EXPECT_EQ(generate(refused), good) << refused;
        expectOnlyBox("出生日期不正确", "错误", dialog, false);
    }
    for (const char* accepted : {"20301231", "00000000", "20120231"}) {
        EXPECT_EQ(generate(accepted).substr(6, 8), accepted);
        EXPECT_TRUE(takeBoxes().empty()) << accepted;
    }
    EXPECT_EQ(drawCount, 4);
}

TEST_F(GenerateNumberTest, YearLimitIsTheCurrentYear) {
    pickRegion({"上海", "黄浦区"});
    clockNow = 1277985600;  // 2010-07-01
    generate("20110101");
    expectOnlyBox("出生日期不正确", "错误", dialog, false);
    clockNow = year2030;
    EXPECT_EQ(generate("20300101").substr(0, 14), "31010120300101");
    EXPECT_TRUE(takeBoxes().empty());
}

TEST_F(GenerateNumberTest, EachModeReadsOnlyItsOwnLists) {
    pickRegion({"河北省", "石家庄市", "长安区"});
    click(IDC_MUNICIPALITY_MODE);
    generate("19870102");
    expectOnlyBox("请选择市", "提示", dialog, true);  // the municipality list is unpicked
    pickRegion({"重庆", "万州区"});
    EXPECT_EQ(generate("19870102").substr(0, 6), "500101");
    click(IDC_PROVINCE_MODE);
    EXPECT_EQ(generate("19870102").substr(0, 6), "130102");
}

TEST(ClockAndGenerator, RunTimeSourceIsTimeSrandAndRand) {
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
