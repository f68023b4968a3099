// The generate button, through the dialog: region picks in either mode, the
// birth date, the clock-seeded draw and the sex, and every refusal.
#include <cstdlib>
#include <ctime>
#include <string>

#include "app/resource_ids.h"
#include "idnumber/number_rules.h"
#include "tests/dialog_harness.h"

namespace {

// 2030-07-01 12:00 UTC: the same calendar year in every time zone.
time_t clockNow = 1909137600;
int nextDraw = 0;
unsigned lastSeed = 0;
int seedCount = 0;
int drawCount = 0;

time_t fakeNow() { return clockNow; }
void fakeSeed(unsigned seed) {
    lastSeed = seed;
    ++seedCount;
}
int fakeDraw() {
    ++drawCount;
    return nextDraw;
}
const ClockAndGenerator fakeSource = {fakeNow, fakeSeed, fakeDraw};

// The fixed clock with the run-time's own generator.
void runtimeSeed(unsigned seed) { srand(seed); }
int runtimeDraw() { return rand(); }
const ClockAndGenerator fixedClockRealDraw = {fakeNow, runtimeSeed, runtimeDraw};

class GenerateNumberTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        clockNow = 1909137600;
        nextDraw = 0;
        seedCount = drawCount = 0;
        setClockAndGenerator(&fakeSource);
    }
    void TearDown() override {
        setClockAndGenerator(nullptr);
        DialogTest::TearDown();
    }

    void pickMunicipality(const char* municipality, const char* district) {
        click(IDC_MUNICIPALITY_MODE);
        pickText(IDC_MUNICIPALITY_LIST, municipality);
        pickText(IDC_DISTRICT_LIST, district);
    }
    void pickProvince(const char* province, const char* city, const char* county) {
        click(IDC_PROVINCE_MODE);
        pickText(IDC_PROVINCE_LIST, province);
        pickText(IDC_CITY_LIST, city);
        pickText(IDC_COUNTY_LIST, county);
    }
    std::string generate(const std::string& birthDate, int draw = 7) {
        setText(IDC_BIRTH_DATE_FIELD, birthDate);
        nextDraw = draw;
        click(IDC_GENERATE_BUTTON);
        return text(IDC_RESULT_FIELD);
    }
    void expectOnlyBox(const char* message, const char* caption, HWND owner, bool warningIcon) {
        const std::vector<ShownBox> boxes = takeBoxes();
        ASSERT_EQ(boxes.size(), 1u) << message;
        EXPECT_EQ(boxes[0].text, message);
        EXPECT_EQ(boxes[0].caption, caption);
        EXPECT_EQ(boxes[0].owner, owner) << message;
        EXPECT_EQ(boxes[0].warningIcon, warningIcon) << message;
        EXPECT_EQ(boxes[0].anyIcon, warningIcon) << message;
    }
};

TEST_F(GenerateNumberTest, BeijingDongchengWithDrawSeven) {
    pickMunicipality("北京", "东城区");
    EXPECT_EQ(generate("19870102", 7), "110101198701020076");
    EXPECT_TRUE(takeBoxes().empty());
    EXPECT_EQ(seedCount, 1);
    EXPECT_EQ(drawCount, 1);
    EXPECT_EQ(lastSeed, static_cast<unsigned>(clockNow));
}

TEST_F(GenerateNumberTest, SequenceAlwaysHasThreeDigits) {
    pickMunicipality("北京", "东城区");
    EXPECT_EQ(generate("19870102", 42).substr(14, 3), "042");
    EXPECT_EQ(generate("19870102", 0).substr(14, 3), "000");
    EXPECT_EQ(generate("19870102", 998).substr(14, 3), "998");
    EXPECT_EQ(generate("19870102", 999).substr(14, 3), "000");
}

TEST_F(GenerateNumberTest, ChosenSexAlwaysGetsANumber) {
    pickMunicipality("北京", "东城区");
    pick(IDC_SEX_LIST, 1);  // 女
    EXPECT_EQ(generate("19870102", 7), "110101198701020084");
    pick(IDC_SEX_LIST, 0);  // 男
    EXPECT_EQ(generate("19870102", 998).substr(14, 3), "997");

    // Every draw, either sex: one number per press, of that sex.
    for (int sex = 0; sex <= 1; ++sex) {
        pick(IDC_SEX_LIST, sex);
        for (int draw = 0; draw < 999; draw += 1 + draw / 100) {
            setText(IDC_RESULT_FIELD, "");
            const std::string number = generate("19870102", draw);
            ASSERT_EQ(number.size(), 18u) << draw;
            ASSERT_TRUE(passesCheck(number.c_str())) << number;
            ASSERT_EQ((number[16] - '0') % 2, sex == 0 ? 1 : 0) << number;
        }
    }
    EXPECT_TRUE(takeBoxes().empty());
}

TEST_F(GenerateNumberTest, CountyIsLookedUpUnderPickedCity) {
    pickProvince("山西省", "阳泉市", "城区");
    EXPECT_EQ(generate("19870102").substr(0, 6), "140302");
    pickProvince("河北省", "邢台市", "桥东区");
    EXPECT_EQ(generate("19870102").substr(0, 6), "130502");
    pickProvince("河北省", "石家庄市", "桥东区");
    EXPECT_EQ(generate("19870102").substr(0, 6), "130103");
    pickProvince("河南省", "驻马店市", "济源市");
    EXPECT_EQ(generate("19870102").substr(0, 6), "419001");
}

TEST_F(GenerateNumberTest, MissingPicksAreAskedForBeforeTheDate) {
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
    EXPECT_EQ(drawCount, 0);
}

TEST_F(GenerateNumberTest, BirthDateLengthAndLimits) {
    pickProvince("河北省", "石家庄市", "长安区");
    // "19870102中" is 10 bytes; a read cut at 9 may keep only its 8 digits.
    for (const char* wrongLength : {"", "1987010", "198701021", "198701021234", "19870102中", "1987010中"}) {
        generate(wrongLength);
        expectOnlyBox("出生日期为8位", "错误！", nullptr, false);
    }
    // The clock says 2030.
    for (const char* accepted : {"20301231", "00000000", "20120231"}) {
        EXPECT_EQ(generate(accepted).substr(6, 8), accepted);
        EXPECT_TRUE(takeBoxes().empty()) << accepted;
    }
    for (const char* refused : {"20310101", "19871301", "19870132"}) {
        generate(refused);
        expectOnlyBox("出生日期不正确", "错误", dialog, false);
    }
    EXPECT_EQ(drawCount, 3);
}

TEST_F(GenerateNumberTest, YearLimitIsTheCurrentYear) {
    pickMunicipality("上海", "黄浦区");
    clockNow = 1277985600;  // 2010-07-01
    generate("20110101");
    expectOnlyBox("出生日期不正确", "错误", dialog, false);
    clockNow = 1909137600;  // 2030-07-01
    const std::string number = generate("20300101");
    EXPECT_EQ(number.substr(0, 14), "31010120300101");
    // Verification keeps the same limit: the number passes it.
    setText(IDC_NUMBER_FIELD, number);
    click(IDC_VERIFY_BUTTON);
    EXPECT_TRUE(takeBoxes().empty());
    EXPECT_EQ(text(IDC_YEAR_FIELD), "2030");
}

TEST_F(GenerateNumberTest, NonDigitBirthDateIsRefused) {
    pickMunicipality("北京", "东城区");
    const std::string good = generate("19870102");
    for (const std::string& pasted : {std::string("1987ab02"), std::string(" 1987010"), std::string("+1987010"),
                                      std::string("中文0102"), std::string("1987010X")}) {
        ASSERT_EQ(pasted.size(), 8u);
        EXPECT_EQ(generate(pasted), good) << pasted;
        expectOnlyBox("出生日期不正确", "错误", dialog, false);
    }
}

TEST_F(GenerateNumberTest, RefusedPressesKeepTheLastNumber) {
    pickProvince("河北省", "石家庄市", "长安区");
    const std::string good = generate("19870102");
    ASSERT_EQ(good.size(), 18u);
    EXPECT_EQ(generate("198701"), good);
    EXPECT_EQ(generate("19871301"), good);
    pickText(IDC_PROVINCE_LIST, "山西省");  // empties the city and county lists
    EXPECT_EQ(generate("19870102"), good);
    EXPECT_EQ(takeBoxes().size(), 3u);
}

TEST_F(GenerateNumberTest, EachModeReadsOnlyItsOwnLists) {
    pickProvince("河北省", "石家庄市", "长安区");
    click(IDC_MUNICIPALITY_MODE);
    generate("19870102");
    expectOnlyBox("请选择市", "提示", dialog, true);  // the municipality list is unpicked
    pickMunicipality("重庆", "万州区");
    EXPECT_EQ(generate("19870102").substr(0, 6), "500101");
    click(IDC_PROVINCE_MODE);
    EXPECT_EQ(generate("19870102").substr(0, 6), "130102");
}

TEST_F(GenerateNumberTest, SameSecondGivesTheSameNumber) {
    setClockAndGenerator(&fixedClockRealDraw);
    pickMunicipality("北京", "西城区");
    const std::string first = generate("19870102");
    rand();  // the generator moves on between presses
    EXPECT_EQ(generate("19870102"), first);
    // Another second draws anew: of 20 seconds, some give another number.
    bool changed = false;
    for (int second = 1; second <= 20 && !changed; ++second) {
        clockNow = 1909137600 + second;
        changed = generate("19870102") != first;
    }
    EXPECT_TRUE(changed);
}

}  // namespace
