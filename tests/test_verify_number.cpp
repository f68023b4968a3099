// The verify button, through the dialog: messages with their owners, captions
// and icons, and the texts of the result fields.
#include <ctime>
#include <string>

#include "app/resource_ids.h"
#include "idnumber/number_rules.h"
#include "tests/dialog_harness.h"

namespace {

// 2030-07-01 12:00 UTC: the same calendar year in every time zone.
time_t fixedNow() { return 1909137600; }
void noSeed(unsigned) {}
int noDraw() { return 0; }
const ClockAndGenerator fixedClock = {fixedNow, noSeed, noDraw};

const int resultFields[] = {IDC_PROVINCE_FIELD, IDC_CITY_FIELD, IDC_COUNTY_FIELD, IDC_YEAR_FIELD,
                            IDC_MONTH_FIELD,    IDC_DAY_FIELD,  IDC_SEX_FIELD};

// A stem with its check character appended.
std::string withCheck(const std::string& stem) { return stem + computeCheckCharacter(stem.c_str()); }

class VerifyNumberTest : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        setClockAndGenerator(&fixedClock);
    }
    void TearDown() override {
        setClockAndGenerator(nullptr);
        DialogTest::TearDown();
    }

    void verify(const std::string& number) {
        setText(IDC_NUMBER_FIELD, number);
        click(IDC_VERIFY_BUTTON);
    }
    // Marks every result field, so that a test sees which ones a press wrote.
    void markResultFields() {
        for (int id : resultFields) setText(id, "~");
    }
    std::string region() {
        return text(IDC_PROVINCE_FIELD) + "|" + text(IDC_CITY_FIELD) + "|" + text(IDC_COUNTY_FIELD);
    }
    std::string dateAndSex() {
        return text(IDC_YEAR_FIELD) + "|" + text(IDC_MONTH_FIELD) + "|" + text(IDC_DAY_FIELD) + "|" +
               text(IDC_SEX_FIELD);
    }
    // The one box of the last press.
    ShownBox onlyBox() {
        const std::vector<ShownBox> boxes = takeBoxes();
        EXPECT_EQ(boxes.size(), 1u);
        return boxes.empty() ? ShownBox{} : boxes[0];
    }
    void expectCheckFailure() {
        const ShownBox box = onlyBox();
        EXPECT_EQ(box.text, "身份证未通过校验");
        EXPECT_EQ(box.caption, "校验结果");
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_FALSE(box.anyIcon);
    }
    void expectDateRefused() {
        const ShownBox box = onlyBox();
        EXPECT_EQ(box.text, "出生日期不正确");
        EXPECT_EQ(box.caption, "错误");
        EXPECT_EQ(box.owner, dialog);
        EXPECT_FALSE(box.anyIcon);
    }
    void expectLengthMessage(const std::string& length) {
        const ShownBox box = onlyBox();
        EXPECT_EQ(box.text, "您输入的身份证号为" + length + "位，正确的应为18位");
        EXPECT_EQ(box.caption, "提示");
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_TRUE(box.warningIcon);
    }
};

TEST_F(VerifyNumberTest, StandardExampleWithUpperCaseXPasses) {
    verify("11010519491231002X");
    EXPECT_TRUE(takeBoxes().empty());
    EXPECT_EQ(region(), "北京市|朝阳区|");
    EXPECT_EQ(dateAndSex(), "1949|12|31|女");

    markResultFields();
    verify("11010519491231002x");
    expectCheckFailure();
}

TEST_F(VerifyNumberTest, RegionFieldsForEachKindOfRegionCode) {
    struct Case {
        const char* code;
        const char* expected;
    };
    const Case cases[] = {
        {"110101", "北京市|东城区|"},
        {"110000", "北京市|未知位置|错误地区码"},
        {"130100", "河北省|石家庄市|石家庄市"},
        {"130101", "河北省|石家庄市|市辖区"},
        {"130199", "河北省|未知位置|错误地区码"},
        {"220000", "吉林省|吉林省|吉林省"},
        {"419001", "河南省|未知位置|济源市"},
        {"619901", "陕西省|未知位置|错误地区码"},
    };
    for (const Case& c : cases) {
        markResultFields();
        verify(withCheck(std::string(c.code) + "19900307001"));
        EXPECT_TRUE(takeBoxes().empty()) << c.code;
        EXPECT_EQ(region(), c.expected) << c.code;
        EXPECT_EQ(dateAndSex(), "1990|03|07|男") << c.code;
    }
}

TEST_F(VerifyNumberTest, UnknownUnitCodeSaysSoInRegionFields) {
    verify(withCheck("11010119900307001"));
    ASSERT_EQ(region(), "北京市|东城区|");
    verify(withCheck("16010119851130002"));
    EXPECT_TRUE(takeBoxes().empty());
    EXPECT_EQ(region(), "未知位置||错误地区码");
    EXPECT_EQ(dateAndSex(), "1985|11|30|女");
}

TEST_F(VerifyNumberTest, LengthMessageAndOnlyCountyEmptied) {
    verify(withCheck("13010119900307001"));
    ASSERT_EQ(region(), "河北省|石家庄市|市辖区");
    verify("");
    expectLengthMessage("0");
    verify("12345678901234567");
    expectLengthMessage("17");
    EXPECT_EQ(region(), "河北省|石家庄市|");
    EXPECT_EQ(dateAndSex(), "1990|03|07|男");
}

TEST_F(VerifyNumberTest, LengthMessageGivesWholeFieldLength) {
    verify("123456789012345678901234567890");
    expectLengthMessage("30");
    verify(std::string(500, '1'));
    expectLengthMessage("500");
}

TEST_F(VerifyNumberTest, LettersInTheStemFailTheCheck) {
    markResultFields();
    verify("abcdefghijklmnopq7");
    expectCheckFailure();
    verify(std::string("1101051949123100") + "中");
    expectCheckFailure();
    EXPECT_EQ(dateAndSex(), "~|~|~|~");
}

TEST_F(VerifyNumberTest, DateLimitsWithTheClockYear2030) {
    struct Case {
        const char* date;
        bool accepted;
    };
    const Case cases[] = {{"20301231", true},  {"20310101", false}, {"19901201", true}, {"19901301", false},
                          {"19900131", true},  {"19900132", false}, {"20110101", true}, {"00000000", true}};
    for (const Case& c : cases) {
        markResultFields();
        verify(withCheck(std::string("110101") + c.date + "001"));
        if (c.accepted) {
            EXPECT_TRUE(takeBoxes().empty()) << c.date;
            EXPECT_EQ(text(IDC_YEAR_FIELD) + text(IDC_MONTH_FIELD) + text(IDC_DAY_FIELD), c.date);
        } else {
            expectDateRefused();
            EXPECT_EQ(dateAndSex(), "~|~|~|~") << c.date;
        }
    }
}

TEST_F(VerifyNumberTest, YearLimitIsTheCurrentYear) {
    setClockAndGenerator(nullptr);  // the run-time's clock
    const time_t now = time(nullptr);
    const int year = localtime(&now)->tm_year + 1900;
    verify(withCheck("110101" + std::to_string(year) + "1231001"));
    EXPECT_TRUE(takeBoxes().empty());
    EXPECT_EQ(text(IDC_YEAR_FIELD), std::to_string(year));
    verify(withCheck("110101" + std::to_string(year + 1) + "0101001"));
    expectDateRefused();
}

TEST_F(VerifyNumberTest, RefusedPressesKeepEarlierResults) {
    verify(withCheck("13010119900307001"));
    const std::string dates = dateAndSex();
    verify(withCheck("13010119901307001"));  // month 13
    expectDateRefused();
    verify("130101199003070010");            // wrong check character
    expectCheckFailure();
    EXPECT_EQ(region(), "河北省|石家庄市|");
    EXPECT_EQ(dateAndSex(), dates);
}

}  // namespace
